#include "platform/DBGridEh.h"

#include "db/DataSet.h"
#include "platform/DBGridModel.h"
#include "platform/GridCellText.h"
#include "platform/Fonts.h"
#include "platform/GridFooter.h"
#include "platform/GridFooterSums.h"
#include "platform/GridHeader.h"
#include "platform/GridIndicator.h"
#include "platform/Platform.h"

#include <QAbstractItemDelegate>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int rowHeight = grid::GridHeader::lineHeight;

// Paints a data cell in the colours the grid decides; a text too wide for it
// is elided visibly.
class CellPainter : public QAbstractItemDelegate {
public:
    using Colors = std::function<void(int row, int col, QColor& background, QColor& text)>;
    using Fonts = std::function<QFont(int col)>;

    CellPainter(Colors colors, Fonts fonts, QObject* parent)
        : QAbstractItemDelegate(parent), colors_(std::move(colors)), fonts_(std::move(fonts))
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QColor background, text;
        colors_(index.row(), index.column(), background, text);
        painter->save();
        painter->setClipRect(option.rect);
        painter->fillRect(option.rect, background);
        painter->setPen(text);
        const QFont font = fonts_(index.column());
        painter->setFont(font);
        const auto align = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
        const grid::FittedText fitted = grid::fitText(QFontMetrics(font), option.rect, index.data().toString());
        painter->drawText(fitted.rect, int(align), fitted.text);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return QSize(64, rowHeight); }

private:
    Colors colors_;
    Fonts fonts_;
};

}  // namespace

DBGridEh::DBGridEh(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);

    model_ = new grid::DBGridModel(this);
    view_ = new QTableView(this);
    header_ = new grid::GridHeader(view_);
    indicator_ = new grid::GridIndicator(view_);
    view_->setHorizontalHeader(header_);
    view_->setVerticalHeader(indicator_);
    view_->setModel(model_);
    view_->setItemDelegate(new CellPainter(
        [this](int row, int col, QColor& background, QColor& text) { cellColors(row, col, background, text); },
        [this](int col) { return cellFont(col); }, view_));

    view_->setFrameShape(QFrame::NoFrame);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::NoSelection);  // marking is ours
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setShowGrid(true);
    view_->setGridStyle(Qt::SolidLine);
    view_->setWordWrap(false);
    view_->setAutoScroll(false);  // scrolling follows the data set's row
    view_->setTabKeyNavigation(false);
    view_->setCornerButtonEnabled(false);
    view_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    view_->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setFont(platform::songti(13));
    header_->setFont(platform::songti(13, true));
    header_->setMinimumSectionSize(8);
    header_->setDefaultSectionSize(defaultColumnWidth());
    indicator_->setMinimumSectionSize(1);
    indicator_->setDefaultSectionSize(rowHeight);

    indicator_->currentRow = [this] { return dataSetCurrent(); };
    indicator_->onPress = [this](int row, Qt::KeyboardModifiers modifiers) { indicatorPressed(row, modifiers); };
    indicator_->onDrag = [this](int row) { indicatorDragged(row); };
    indicator_->onRelease = [this] { dragAnchor_ = -1; };

    footer_ = new grid::GridFooter(header_, view_->viewport(), this);
    footer_->setFont(platform::songti(13));
    footer_->figureFont = platform::songtiFigures(13);
    footer_->text = [this](int col) { return footerText(col); };
    footer_->bold = [this](int col) {
        return col >= 0 && col < int(columns_.size()) && columns_[size_t(col)].footer == GridColumn::StaticText;
    };
    footer_->rightAligned = [this](int col) {
        return col >= 0 && col < int(columns_.size()) && columns_[size_t(col)].footer != GridColumn::StaticText;
    };

    // The footer sits between the data and the horizontal scroll bar, so the
    // view's own bar stays hidden and this one mirrors it.
    hbar_ = new QScrollBar(Qt::Horizontal, this);
    hbar_->hide();
    QScrollBar* inner = view_->horizontalScrollBar();
    const auto mirror = [this, inner] {
        hbar_->setRange(inner->minimum(), inner->maximum());
        hbar_->setPageStep(inner->pageStep());
        hbar_->setSingleStep(inner->singleStep());
        hbar_->setValue(inner->value());
        hbar_->setVisible(inner->maximum() > inner->minimum());
    };
    // The view sets the page step after the range.
    connect(inner, &QScrollBar::rangeChanged, this, [this, mirror] { QTimer::singleShot(0, this, mirror); });
    connect(inner, &QScrollBar::valueChanged, hbar_, &QScrollBar::setValue);
    connect(inner, &QScrollBar::valueChanged, footer_, qOverload<>(&QWidget::update));
    connect(hbar_, &QScrollBar::valueChanged, inner, &QScrollBar::setValue);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(view_, 1);
    layout->addWidget(footer_);
    layout->addWidget(hbar_);
    setFocusProxy(view_);

    view_->viewport()->installEventFilter(this);
    view_->installEventFilter(this);
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& now) { currentChangedByView(now.isValid() ? now.row() : -1); });
    connect(header_, &QHeaderView::sectionResized, this, [this](int col) { sectionResizedByUser(col); });
}

DBGridEh::~DBGridEh()
{
    if (dataSet_)
        dataSet_->unsubscribe(subscription_);
}

void DBGridEh::setDataSet(DataSetView* dataSet)
{
    if (dataSet_)
        dataSet_->unsubscribe(subscription_);
    dataSet_ = dataSet;
    subscription_ = dataSet_ ? dataSet_->subscribe([this](DataSetEvent e) { dataSetChanged(e); }) : 0;
    marks_.clear();
    anchor_ = -1;
    lastCurrent_ = dataSetCurrent();
    syncing_ = true;
    model_->setDataSet(dataSet_);
    syncing_ = false;
    footersChanged();
    syncCurrent();
}

int DBGridEh::dataSetCurrent() const
{
    return dataSet_ && dataSet_->active() ? dataSet_->currentIndex() : -1;
}

int DBGridEh::rowCount() const
{
    return dataSet_ && dataSet_->active() ? dataSet_->recordCount() : 0;
}

// --- Data set notices -------------------------------------------------------

// A deletion is applied to the view as the removal of that one row, not as a
// reset: the scroll position and the view's current cell stay where they are
// and only the rows below move up. The row that went is the one that was
// current, which the notices before it told us. While redrawing is suspended
// (a batch deletion) the view is left alone and reset once at the end, so a
// batch over a long list does not shift the view's rows once per row.
void DBGridEh::dataSetChanged(DataSetEvent event)
{
    const bool suspended = updateDepth_ > 0;
    syncing_ = true;
    switch (event) {
    case DataSetEvent::Opened:
    case DataSetEvent::Closed:
        marks_.clear();
        anchor_ = -1;
        dragAnchor_ = -1;
        if (suspended)
            pendingReset_ = true;
        else
            model_->reload();
        footersChanged();
        break;
    case DataSetEvent::Deleted: {
        const int gone = lastCurrent_;
        dropDeletedMark(gone);
        if (suspended)
            pendingReset_ = true;
        else
            model_->removeRow(gone);
        footersFollowRow(-1);
        break;
    }
    case DataSetEvent::Posted:
        if (suspended) {
            pendingReset_ = true;
        } else {
            model_->followRowCount();  // an appended row now exists
            model_->rowChanged(dataSetCurrent());
        }
        footersFollowRow(dataSetCurrent());
        break;
    case DataSetEvent::Moved:
        break;
    case DataSetEvent::StateChanged:
        if (!suspended)
            model_->followRowCount();
        break;
    }
    syncing_ = false;
    lastCurrent_ = dataSetCurrent();
    if (!suspended)
        syncCurrent();
}

// The view's current cell follows the data set's current row.
void DBGridEh::syncCurrent()
{
    if (updateDepth_ > 0)
        return;
    const int row = dataSetCurrent();
    const int col = std::clamp(currentColumn_, 0, std::max(0, model_->columnCount() - 1));
    const QModelIndex index =
        row >= 0 && row < model_->rowCount() && model_->columnCount() > 0 ? model_->index(row, col) : QModelIndex();
    syncing_ = true;
    view_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    syncing_ = false;
    if (row >= 0)
        ensureRowVisible(row);
    view_->viewport()->update();
    indicator_->viewport()->update();
}

void DBGridEh::ensureRowVisible(int row)
{
    // Rows scroll one at a time: the bar's value is the top row.
    QScrollBar* bar = view_->verticalScrollBar();
    const int fullRows = std::max(1, view_->viewport()->height() / rowHeight);
    if (row < bar->value())
        bar->setValue(row);
    else if (row >= bar->value() + fullRows)
        bar->setValue(row - fullRows + 1);
}

void DBGridEh::goToRow(int row)
{
    if (!dataSet_ || !dataSet_->active() || row < 0)
        return;
    if (dataSet_->currentIndex() != row)
        dataSet_->moveTo(row);  // its Moved notice brings the view along
    syncCurrent();
}

// Qt moves the current cell by itself now and then (focus, a reset); the
// data set follows, or the view is put back when the move is refused.
void DBGridEh::currentChangedByView(int row)
{
    if (syncing_ || row < 0 || !dataSet_ || !dataSet_->active() || dataSet_->currentIndex() == row)
        return;
    platform::guarded(window(), [&] { dataSet_->moveTo(row); });
    if (dataSet_->currentIndex() != row)
        syncCurrent();
}

// --- Columns ----------------------------------------------------------------

int DBGridEh::defaultColumnWidth() const
{
    // Room for a general number text of fifteen significant digits with its
    // point and sign, the widest figure a sum footer writes, with the margins
    // and the grid line.
    return QFontMetrics(platform::songtiFigures(13)).horizontalAdvance(QStringLiteral("-000000000000000.")) + 5;
}

void DBGridEh::setColumns(std::vector<GridColumn> columns)
{
    columns_ = std::move(columns);
    widths_.clear();
    std::vector<grid::TitleLines> titles;
    for (const GridColumn& column : columns_) {
        widths_.push_back(column.width > 0 ? column.width : defaultColumnWidth());
        titles.push_back(grid::splitTitle(column));
    }
    header_->setTitles(titles);
    syncing_ = true;
    model_->setColumns(columns_);
    syncing_ = false;
    applyWidths();
    footersChanged();
    syncCurrent();
}

int DBGridEh::columnWidth(int col) const
{
    return header_->sectionSize(col);
}

void DBGridEh::setFitColumnsToWidth(bool fit)
{
    fit_ = fit;
    applyWidths();
}

// Fitting: cumulative rounding, so the widths add up to the visible width
// exactly. `keep` is a column the user has just dragged; the others share
// what it leaves.
void DBGridEh::applyWidths(int keep)
{
    const int count = int(widths_.size());
    fitting_ = true;
    if (!fit_) {
        for (int i = 0; i < count; ++i)
            header_->resizeSection(i, widths_[size_t(i)]);
    } else if (count > 0 && view_->viewport()->width() > 0) {
        const int available = view_->viewport()->width();
        constexpr int minimum = 8;
        int fixed = 0;
        if (keep >= 0 && count > 1) {
            fixed = std::clamp(widths_[size_t(keep)], minimum, std::max(minimum, available - minimum * (count - 1)));
            header_->resizeSection(keep, fixed);
        }
        const int share = available - fixed;
        long long total = 0;
        for (int i = 0; i < count; ++i)
            if (i != keep || count == 1)
                total += std::max(1, widths_[size_t(i)]);
        long long before = 0;
        int placed = 0;
        for (int i = 0; i < count; ++i) {
            if (i == keep && count > 1)
                continue;
            before += std::max(1, widths_[size_t(i)]);
            const int end = int((before * share + total / 2) / total);
            header_->resizeSection(i, end - placed);
            placed = end;
        }
    }
    fitting_ = false;
}

void DBGridEh::sectionResizedByUser(int col)
{
    if (fitting_ || col < 0 || col >= int(widths_.size()))
        return;
    for (int i = 0; i < int(widths_.size()); ++i)
        widths_[size_t(i)] = header_->sectionSize(i);
    if (fit_)
        applyWidths(col);
}

SortMarker DBGridEh::sortMarker(int col) const
{
    return header_->sortMarker(col);
}

QString DBGridEh::cellText(int row, int col) const
{
    return model_->cellText(row, col);
}

QFont DBGridEh::cellFont(int col) const
{
    const bool figures = col >= 0 && col < int(columns_.size()) && columns_[size_t(col)].displayFormat != GridColumn::None;
    return figures ? platform::songtiFigures(13) : view_->font();
}

// A cell's area is its section less the grid line at its right.
QString DBGridEh::shownCellText(int row, int col) const
{
    const QRect cell(0, 0, header_->sectionSize(col) - 1, rowHeight - 1);
    return grid::fitText(QFontMetrics(cellFont(col)), cell, cellText(row, col)).text;
}

QString DBGridEh::shownFooterText(int col) const
{
    return footer_->shownText(col);
}

// The whole text of a cell that is shown cut; empty when it shows whole.
QString DBGridEh::cellToolTip(int row, int col) const
{
    const QString whole = cellText(row, col);
    return shownCellText(row, col) == whole ? QString() : whole;
}

// --- Footer -----------------------------------------------------------------

// Sums are worked out once per change of the rows, never while painting;
// during a suspended update once at its end.
void DBGridEh::footersChanged()
{
    footersDirty_ = true;
    if (updateDepth_ == 0) {
        computeFooters();
        footer_->update();
    }
}

static bool isSum(const GridColumn& column)
{
    return column.footer == GridColumn::SumFormatted || column.footer == GridColumn::SumGeneral;
}

void DBGridEh::computeFooters() const
{
    sums_.assign(columns_.size(), 0);
    for (size_t i = 0; i < columns_.size(); ++i)
        if (isSum(columns_[i]) && dataSet_)
            sums_[i] = grid::sumTenThousandths(*dataSet_, model_->field(int(i)));
    footersDirty_ = false;
    footerTextsFromSums();
}

void DBGridEh::footerTextsFromSums() const
{
    footerTexts_.assign(columns_.size(), QString());
    for (size_t i = 0; i < columns_.size(); ++i) {
        const GridColumn& column = columns_[i];
        if (column.footer == GridColumn::StaticText)
            footerTexts_[i] = column.footerText;
        else if (isSum(column))
            footerTexts_[i] = grid::sumText(sums_[i], column.footer);
    }
}

// One row was written or deleted: the sums lose what the row held before and
// gain what it holds now (`row`, or -1 when it is gone), so a sale costs the
// same at a million rows as at ten.
void DBGridEh::footersFollowRow(int row)
{
    if (footersDirty_ || !dataSet_ || !dataSet_->tellsPreviousRow() || sums_.size() != columns_.size()) {
        footersChanged();
        return;
    }
    for (size_t i = 0; i < columns_.size(); ++i) {
        if (!isSum(columns_[i]))
            continue;
        const int field = model_->field(int(i));
        sums_[i] += grid::rowTenThousandths(*dataSet_, row, field) - grid::previousRowTenThousandths(*dataSet_, field);
    }
    footerTextsFromSums();
    if (updateDepth_ == 0)
        footer_->update();
}

QString DBGridEh::footerText(int col) const
{
    if (footersDirty_)
        computeFooters();
    return col >= 0 && col < int(footerTexts_.size()) ? footerTexts_[size_t(col)] : QString();
}

// --- Colours ----------------------------------------------------------------

void DBGridEh::cellColors(int row, int col, QColor& background, QColor& text) const
{
    const bool highlighted = row == dataSetCurrent() || isMarked(row);
    const QColor highlight = view_->palette().color(QPalette::Highlight);
    background = highlighted ? highlight : (row % 2 == 0 ? oddRowColor() : evenRowColor());
    if (onGetCellParams)
        onGetCellParams(row, col, background);
    text = highlighted && background == highlight ? view_->palette().color(QPalette::HighlightedText)
                                                  : QColor(Qt::black);
}

QColor DBGridEh::cellBackground(int row, int col) const
{
    QColor background, text;
    cellColors(row, col, background, text);
    return background;
}

// --- Marks ------------------------------------------------------------------

bool DBGridEh::isMarked(int row) const
{
    return std::binary_search(marks_.begin(), marks_.end(), row);
}

void DBGridEh::setMarks(std::vector<int> marks)
{
    std::sort(marks.begin(), marks.end());
    marks.erase(std::unique(marks.begin(), marks.end()), marks.end());
    marks_ = std::move(marks);
    marksChanged();
}

void DBGridEh::markRange(int from, int to, const std::vector<int>& base)
{
    if (from > to)
        std::swap(from, to);
    std::vector<int> marks = base;
    for (int row = std::max(0, from); row <= to; ++row)
        marks.push_back(row);
    setMarks(std::move(marks));
}

void DBGridEh::toggleMark(int row)
{
    const auto it = std::lower_bound(marks_.begin(), marks_.end(), row);
    if (it != marks_.end() && *it == row)
        marks_.erase(it);
    else
        marks_.insert(it, row);
    marksChanged();
}

void DBGridEh::dropDeletedMark(int row)
{
    if (row < 0)
        return;
    auto it = std::lower_bound(marks_.begin(), marks_.end(), row);
    if (it != marks_.end() && *it == row)
        it = marks_.erase(it);
    for (; it != marks_.end(); ++it)
        --*it;
    if (anchor_ > row)
        --anchor_;
    else if (anchor_ == row)
        anchor_ = -1;
}

void DBGridEh::marksChanged()
{
    view_->viewport()->update();
}

void DBGridEh::clearSelection()
{
    marks_.clear();
    marksChanged();
}

void DBGridEh::selectRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    std::vector<int> marks = marks_;
    marks.push_back(row);
    setMarks(std::move(marks));
}

// --- Deletion ---------------------------------------------------------------

void DBGridEh::deleteSelectedRows()
{
    if (!dataSet_ || !dataSet_->active())
        return;
    struct Resume {
        DBGridEh* grid;
        ~Resume() { grid->endUpdate(); }
    };
    beginUpdate();
    Resume resume{this};
    while (!marks_.empty()) {
        const int row = marks_.back();
        if (row >= dataSet_->recordCount()) {  // stale; nothing to delete there
            marks_.pop_back();
            continue;
        }
        dataSet_->moveTo(row);
        lastCurrent_ = dataSet_->currentIndex();
        dataSet_->deleteCurrent();
        if (!marks_.empty() && marks_.back() == row)
            marks_.pop_back();  // the data set did not say it deleted
    }
}

void DBGridEh::deleteWithConfirmation()
{
    if (!dataSet_ || !dataSet_->active() || dataSet_->recordCount() == 0)
        return;
    const QString text = marks_.size() < 2 ? QStringLiteral("Delete record?")
                                           : QStringLiteral("Delete all selected records?");
    if (platform::messageBox(this, text, QStringLiteral("Confirm"), platform::Buttons::OKCancel,
                             platform::Icon::Question) != platform::Answer::OK)
        return;
    if (marks_.empty()) {
        lastCurrent_ = dataSet_->currentIndex();
        dataSet_->deleteCurrent();
    } else {
        deleteSelectedRows();
    }
}

void DBGridEh::beginUpdate()
{
    if (updateDepth_++ == 0) {
        view_->setUpdatesEnabled(false);
        footer_->setUpdatesEnabled(false);
    }
}

void DBGridEh::endUpdate()
{
    if (updateDepth_ == 0 || --updateDepth_ > 0)
        return;
    view_->setUpdatesEnabled(true);
    footer_->setUpdatesEnabled(true);
    if (pendingReset_) {
        pendingReset_ = false;
        const int top = view_->verticalScrollBar()->value();
        const int left = view_->horizontalScrollBar()->value();
        syncing_ = true;
        model_->reload();
        syncing_ = false;
        view_->doItemsLayout();
        view_->verticalScrollBar()->setValue(top);
        view_->horizontalScrollBar()->setValue(left);
    }
    lastCurrent_ = dataSetCurrent();
    if (footersDirty_)
        computeFooters();
    footer_->update();
    syncCurrent();
}

// --- Mouse and keys ---------------------------------------------------------

void DBGridEh::cellPressed(int row, int col, Qt::KeyboardModifiers modifiers)
{
    const int from = dataSetCurrent();
    currentColumn_ = col;
    goToRow(row);
    if (dataSetCurrent() != row)
        return;
    if (modifiers & Qt::ControlModifier) {
        toggleMark(row);
        anchor_ = row;
    } else if (modifiers & Qt::ShiftModifier) {
        if (anchor_ < 0)
            anchor_ = from >= 0 ? from : row;
        markRange(anchor_, row);
    } else {
        clearSelection();
        anchor_ = row;
    }
}

void DBGridEh::indicatorPressed(int row, Qt::KeyboardModifiers modifiers)
{
    if (row < 0)
        return;
    platform::guarded(window(), [&] {
        const int from = dataSetCurrent();
        goToRow(row);
        if (dataSetCurrent() != row)
            return;
        dragRow_ = row;
        if (modifiers & Qt::ShiftModifier) {
            if (anchor_ < 0)
                anchor_ = from >= 0 ? from : row;
            dragAnchor_ = anchor_;
            dragBase_.clear();
            markRange(anchor_, row);
        } else if (modifiers & Qt::ControlModifier) {
            dragAnchor_ = row;
            dragBase_ = marks_;
            toggleMark(row);
            anchor_ = row;
        } else {
            dragAnchor_ = row;
            dragBase_.clear();
            setMarks({row});
            anchor_ = row;
        }
    });
}

void DBGridEh::indicatorDragged(int row)
{
    if (dragAnchor_ < 0 || row == dragRow_)
        return;
    dragRow_ = row;
    platform::guarded(window(), [&] {
        markRange(dragAnchor_, row, dragBase_);
        goToRow(row);
    });
}

bool DBGridEh::keyPressed(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const int key = event->key();
    if (key == Qt::Key_Delete && (modifiers & Qt::ControlModifier)) {
        platform::guarded(window(), [this] { deleteWithConfirmation(); });
        return true;
    }
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        hbar_->triggerAction(key == Qt::Key_Left ? QAbstractSlider::SliderSingleStepSub
                                                 : QAbstractSlider::SliderSingleStepAdd);
        return true;
    }
    const int rows = rowCount();
    const int current = dataSetCurrent();
    const int page = std::max(1, view_->viewport()->height() / rowHeight);
    int target = -1;
    switch (key) {
    case Qt::Key_Up:
        target = current - 1;
        break;
    case Qt::Key_Down:
        target = current + 1;
        break;
    case Qt::Key_PageUp:
        target = current - page;
        break;
    case Qt::Key_PageDown:
        target = current + page;
        break;
    case Qt::Key_Home:  // whole rows are selected, so Home and End go to the first and last row
        target = 0;
        break;
    case Qt::Key_End:
        target = rows - 1;
        break;
    default:
        // Typing would edit in place, which this grid does not do.
        return !event->text().isEmpty() && event->text().at(0).isPrint();
    }
    if (rows == 0)
        return true;
    target = std::clamp(target, 0, rows - 1);
    platform::guarded(window(), [&] {
        const int from = current;
        goToRow(target);
        if (dataSetCurrent() != target)
            return;
        if (modifiers & Qt::ShiftModifier) {
            if (anchor_ < 0)
                anchor_ = from >= 0 ? from : target;
            markRange(anchor_, target);
        } else {
            clearSelection();
            anchor_ = target;
        }
    });
    return true;
}

bool DBGridEh::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_) {
        if (event->type() == QEvent::KeyPress)
            return keyPressed(static_cast<QKeyEvent*>(event));
        return false;
    }
    if (watched != view_->viewport())
        return false;

    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return true;  // a right click opens the menu and moves nothing
        const QModelIndex index = view_->indexAt(mouse->position().toPoint());
        pressedRow_ = pressedCol_ = -1;
        if (!index.isValid())
            return true;
        pressedRow_ = index.row();
        pressedCol_ = index.column();
        const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
        platform::guarded(window(), [&] {
            cellPressed(index.row(), index.column(), mouse->modifiers());
            if (doubleClick && onDblClick)
                onDblClick();
        });
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return true;
        const QModelIndex index = view_->indexAt(mouse->position().toPoint());
        const bool sameCell = index.isValid() && index.row() == pressedRow_ && index.column() == pressedCol_;
        const int col = pressedCol_;
        pressedRow_ = pressedCol_ = -1;
        if (sameCell && onCellClick && dataSetCurrent() == index.row())
            platform::guarded(window(), [&] { onCellClick(col); });
        return true;
    }
    case QEvent::MouseMove:
        return static_cast<QMouseEvent*>(event)->buttons() != Qt::NoButton;
    case QEvent::ToolTip: {
        auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = view_->indexAt(help->pos());
        const QString whole = index.isValid() ? cellToolTip(index.row(), index.column()) : QString();
        if (!whole.isEmpty()) {
            QToolTip::showText(help->globalPos(), whole, view_->viewport(), view_->visualRect(index));
            return true;
        }
        if (toolTip().isEmpty())
            return false;
        QToolTip::showText(help->globalPos(), toolTip(), this);
        return true;
    }
    case QEvent::Resize:
        if (fit_)
            applyWidths();
        return false;
    default:
        return false;
    }
}

void DBGridEh::contextMenuEvent(QContextMenuEvent* event)
{
    if (!popup_) {
        event->ignore();
        return;
    }
    popup_->popup(event->globalPos());
    event->accept();
}
