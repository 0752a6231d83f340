#include "tools/SampleData.h"

#include "db/Errors.h"
#include "db/StoreFile.h"
#include "purchasing/NumberText.h"

#include <QByteArray>
#include <QFile>
#include <algorithm>
#include <cmath>
#include <sqlite3.h>
#include <unistd.h>
#include <vector>

namespace {

// splitmix64: the same stream for a seed on every platform and library, which
// the standard distributions do not promise.
class Random {
public:
    explicit Random(quint64 seed) : s_(seed) {}
    quint64 next() {
        quint64 z = (s_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    quint64 below(quint64 n) { return n ? next() % n : 0; }
    int between(int lo, int hi) { return lo + int(below(quint64(hi - lo) + 1)); }
    double unit() { return double(next() >> 11) * 0x1.0p-53; }  // [0, 1)
    double uniform(double lo, double hi) { return lo + (hi - lo) * unit(); }
    bool chance(double p) { return unit() < p; }
    template <typename T>
    const T& pick(const std::vector<T>& v) { return v[below(v.size())]; }

private:
    quint64 s_;
};

using Words = std::vector<QByteArray>;

Words split(const char* alternatives) {
    const QList<QByteArray> parts = QByteArray(alternatives).split('|');
    return Words(parts.begin(), parts.end());
}

// A figure as the program stores it and reads it back: computed in extended
// precision, written as the general number text, read again by the number
// reading rule. The next computation starts from that extended value, as a
// window's does from the text it shows; the store holds it as a double.
using Figure = long double;

Figure stored(long double v) {
    // Whole numbers below 1E15 come back as they are; they are most of the
    // quantities, and the text round trip is slow.
    if (v == std::trunc(v) && std::fabs(v) < 1e15L) return v == 0 ? 0.0L : v;
    const Figure f = StrToFloat(FloatToStr(v));
    return f == 0 ? 0.0L : f;
}

void bindFigure(sqlite3_stmt* st, int i, Figure f) { sqlite3_bind_double(st, i, double(f)); }

long double round2(long double v) { return std::round(v * 100) / 100; }

// ---- What the shop sells ---------------------------------------------------

// What the suppliers of each trade call themselves.
const char* const kTrades[] = {
    "五金|五金制品|标准件|五金机电|电器",
    "文具|办公用品|文化用品",
    "日化|日用品|百货",
    "食品|粮油|副食品|食品贸易",
};

struct Goods {
    int trade;
    const char* names;
    const char* specs;
    const char* models;  // a leading "|" lets some rows have none
    const char* unit;
    double costLo, costHi;
    bool loose;  // sold by weight or length, in fractions
};

const Goods kGoods[] = {
    {0, "不锈钢螺丝|不锈钢自攻螺丝|十字沉头螺丝", "M3×10|M4×12|M5×20|M6×30|M8×40", "304|316|201", "盒", 3, 25, false},
    {0, "六角螺母|不锈钢螺母", "M6|M8|M10|M12", "|304|碳钢镀锌", "包", 2, 15, false},
    {0, "膨胀螺栓|化学锚栓", "M6×60|M8×80|M10×100|M12×120", "|镀锌|304", "个", 0.5, 3, false},
    {0, "铜芯电线|BV电线|护套线", "1.5平方|2.5平方|4平方|6平方", "单芯|多股软线|RVV2×1.5", "米", 1.2, 6, true},
    {0, "PPR水管|PVC排水管", "20mm|25mm|32mm|50mm|110mm", "|冷水管|热水管", "米", 3, 12, true},
    {0, "圆钢钉|水泥钉", "1寸|2寸|3寸|4寸", "", "千克", 6, 12, true},
    {0, "活动扳手|梅花扳手|管子钳", "6寸|8寸|10寸|12寸", "|世达|长城精工", "个", 12, 45, false},
    {0, "电工胶布|防水胶带", "18mm×10m|18mm×20m", "|黑色|红色|蓝色", "个", 1, 4, false},
    {0, "公牛插线板|插座转换器", "3位1.8米|5位3米|8位5米", "GN-B3|GN-B5|GN-B8", "个", 25, 60, false},
    {0, "开关面板|五孔插座", "86型单开|86型双开|86型五孔", "西门子|正泰|公牛", "个", 5, 15, false},
    {0, "LED灯泡|LED球泡灯", "5W|9W|12W|18W", "E27|E14|B22", "个", 4, 15, false},
    {0, "钢卷尺|不锈钢直尺", "3m|5m|7.5m", "|得力|长城精工", "个", 5, 18, false},
    {1, "得力中性笔|晨光中性笔|真彩中性笔", "0.5mm|0.38mm|0.7mm", "黑色|蓝色|红色", "支", 1, 2.5, false},
    {1, "晨光签字笔|百乐签字笔", "0.5mm|0.7mm", "黑色|蓝色", "支", 1.5, 6, false},
    {1, "A4复印纸|A3复印纸", "70g 500张|80g 500张", "得力|晨光|百旺", "包", 18, 35, false},
    {1, "笔记本|软面抄|线圈本", "A5 60页|B5 80页|16K 100页", "", "本", 2, 12, false},
    {1, "订书机", "12号|24/6", "|得力|晨光", "个", 8, 25, false},
    {1, "订书钉", "24/6 1000枚|12号 1000枚", "|得力", "盒", 1, 4, false},
    {1, "文件夹|档案盒|资料册", "A4|A4 双夹|A4 60页", "蓝色|黑色|透明", "个", 2, 15, false},
    {1, "固体胶|液体胶水", "21g|50ml|125ml", "|得力|晨光", "瓶", 1, 5, false},
    {1, "修正带|涂改液", "5mm×6m|18ml", "", "个", 1.5, 5, false},
    {1, "中华铅笔|绘图铅笔", "HB|2B|6B", "12支装|单支", "盒", 3, 15, false},
    {2, "洗衣粉", "500g|1.5kg|3kg", "立白|雕牌|奥妙|汰渍", "包", 5, 30, false},
    {2, "洗洁精", "500g|1.29kg|2kg", "白猫|立白|雕牌", "瓶", 4, 18, false},
    {2, "卫生纸|抽纸", "10卷装|12卷装|3层130抽", "维达|清风|心相印", "包", 12, 35, false},
    {2, "牙膏", "90g|120g|180g", "高露洁|佳洁士|云南白药|黑人", "支", 5, 25, false},
    {2, "洗发水|沐浴露", "400ml|750ml", "海飞丝|飘柔|清扬|六神", "瓶", 18, 55, false},
    {2, "香皂|透明皂", "115g|125g×3", "舒肤佳|力士|雕牌", "个", 2.5, 12, false},
    {2, "垃圾袋", "45×50cm 100只|60×80cm 50只", "|加厚|点断式", "包", 3, 10, false},
    {2, "纯棉毛巾|浴巾", "34×74cm|70×140cm", "|洁丽雅|金号", "个", 8, 40, false},
    {3, "东北大米|五常大米|泰国香米", "5kg|10kg|25kg", "|福临门|金龙鱼", "包", 25, 150, false},
    {3, "食用调和油|花生油|菜籽油", "1.8L|5L", "金龙鱼|鲁花|福临门", "瓶", 20, 120, false},
    {3, "白砂糖|红糖|冰糖", "散装", "", "千克", 5, 14, true},
    {3, "康师傅红烧牛肉面|统一老坛酸菜面|今麦郎方便面", "五连包|24包/箱", "", "箱", 10, 55, false},
    {3, "农夫山泉|怡宝纯净水|娃哈哈纯净水", "550ml×24|555ml×24|1.5L×12", "", "箱", 18, 35, false},
    {3, "海天酱油|李锦记生抽|老陈醋", "500ml|800ml|1.9L", "|特级|金标", "瓶", 5, 22, false},
    {3, "食盐|加碘精制盐", "400g|350g", "中盐", "包", 1.5, 4, false},
    {3, "鸡蛋|鸭蛋", "散装", "", "千克", 8, 16, true},
    {3, "西湖龙井|铁观音|普洱茶饼", "250g|500g|357g", "|一级|特级", "盒", 60, 380, false},
};

// City and its area code, for suppliers and their landlines.
const char* const kCities[][2] = {
    {"义乌市", "0579"}, {"温州市", "0577"}, {"广州市", "020"},  {"深圳市", "0755"}, {"上海市", "021"},
    {"宁波市", "0574"}, {"东莞市", "0769"}, {"临沂市", "0539"}, {"天津市", "022"},  {"佛山市", "0757"},
    {"泉州市", "0595"}, {"永康市", "0579"}, {"杭州市", "0571"}, {"石家庄市", "0311"},
};

const char* const kFirms = "鑫达|宏远|联华|恒通|金源|永兴|华盛|正大|隆昌|德信|顺发|新世纪|万利|天成|富源|汇丰|博远|嘉禾";
const char* const kFirmEnds = "有限公司|有限公司|贸易有限公司|商行|批发部";
const char* const kMobilePrefixes = "130|131|132|133|135|136|137|138|139|150|151|152|153|155|156|157|158|159|177|180|181|186|187|188|189";

const char* const kSurnames =
    "王|李|张|刘|陈|杨|黄|赵|吴|周|徐|孙|马|朱|胡|郭|何|高|林|罗|郑|梁|谢|宋|唐|许|韩|冯|邓|曹|彭|曾|肖|田|董|袁|"
    "潘|于|蒋|蔡|余|杜|叶|程|苏|魏|吕|丁|任|沈|姚|卢|姜|崔|钟|谭|陆|汪|范|金|石|廖|贾|夏|韦|方|白|邹|孟|熊|秦|邱|"
    "江|尹|薛|段|雷|侯|龙|史|陶|黎|贺|顾|毛|郝|龚|邵|万|钱|严|武|戴|莫|孔|汤";
const char* const kGiven =
    "伟|芳|娜|敏|静|丽|强|磊|军|洋|勇|艳|杰|娟|涛|明|超|秀|霞|平|刚|英|华|玉|兰|建|国|文|辉|红|梅|林|斌|鹏|"
    "飞|云|海|峰|亮|晓|春|志|宇|浩|佳|婷|雪|琴|燕|波|宁|东|金|荣|桂|凤";
const char* const kOrganisations =
    "城东小学|实验中学|华联超市|鑫源装饰工程队|人民医院后勤科|阳光物业管理处|好又多便利店|建安建筑公司|"
    "红星幼儿园|农贸市场管理处|永辉水电安装|东方宾馆";
const char* const kPlaces =
    "义乌市稠城街道|义乌市北苑街道|金华市婺城区|金华市金东区|杭州市西湖区|杭州市拱墅区|宁波市海曙区|温州市鹿城区|"
    "绍兴市越城区|嘉兴市南湖区|台州市椒江区|衢州市柯城区";
const char* const kRoads =
    "工人北路|宾王路|城中中路|稠州北路|八一南街|人民路|解放路|中山路|文三路|建设大道|新华街|环城南路|丹溪路|江滨路";
const char* const kProductRemarks = "畅销|新品|质量好|季节性商品|厂家直供|注意防潮|临期促销|需冷藏";
const char* const kLineRemarks = "送货上门|老客户|赊账|已开发票|批发价|电话订货|换货|月结";

struct Vocabulary {
    std::vector<Words> trades;
    std::vector<Words> names, specs, models;
    Words firms = split(kFirms), firmEnds = split(kFirmEnds), mobiles = split(kMobilePrefixes);
    Words surnames = split(kSurnames), given = split(kGiven), organisations = split(kOrganisations);
    Words places = split(kPlaces), roads = split(kRoads);
    Words productRemarks = split(kProductRemarks), lineRemarks = split(kLineRemarks);

    Vocabulary() {
        for (const char* t : kTrades) trades.push_back(split(t));
        for (const Goods& g : kGoods) {
            names.push_back(split(g.names));
            specs.push_back(split(g.specs));
            models.push_back(split(g.models));
        }
    }
};

QByteArray digits(Random& r, int n) {
    QByteArray s;
    for (int i = 0; i < n; ++i) s += char('0' + r.below(10));
    return s;
}

QByteArray mobile(Random& r, const Vocabulary& v) { return r.pick(v.mobiles) + digits(r, 8); }

QByteArray landline(Random& r, const char* areaCode) {
    return QByteArray(areaCode) + '-' + char('2' + r.below(7)) + digits(r, 7);
}

// ---- The rows --------------------------------------------------------------

struct Supplier {
    QByteArray name, phone;
};

struct Customer {
    QByteArray name, phone, address;
};

struct Product {
    int goods = 0;
    QByteArray code, name, specText, model, remark;
    int supplier = 0;
    int day = 0;  // purchase day, as a Julian day
    Figure cost = 0, listPrice = 0;
    double weight = 0;
    Figure soldQty = 0, soldAmount = 0;
    qint64 lineCount = 0;
};

struct Line {
    quint32 product;
    qint32 day;
    Figure price, qty, amount, profit;
    qint32 customer;  // -1: a walk-in customer, nothing recorded
    qint16 remark;    // -1: none
};

std::vector<Supplier> makeSuppliers(Random& r, const Vocabulary& v) {
    std::vector<Supplier> out;
    for (const Words& trade : v.trades) {
        for (int i = 0; i < 6; ++i) {
            const auto& city = kCities[r.below(std::size(kCities))];
            Supplier s;
            s.name = QByteArray(city[0]) + r.pick(v.firms) + r.pick(trade) + r.pick(v.firmEnds);
            s.phone = r.chance(0.6) ? landline(r, city[1]) : mobile(r, v);
            out.push_back(s);
        }
    }
    return out;
}

std::vector<Customer> makeCustomers(Random& r, const Vocabulary& v, qint64 lines) {
    const qint64 count = std::clamp<qint64>(lines / 20, 30, 3000);
    std::vector<Customer> out;
    for (qint64 i = 0; i < count; ++i) {
        Customer c;
        c.name = r.chance(0.1) ? r.pick(v.organisations)
                               : r.pick(v.surnames) + r.pick(v.given) + (r.chance(0.6) ? r.pick(v.given) : QByteArray());
        const double p = r.unit();
        c.phone = p < 0.85 ? mobile(r, v) : p < 0.95 ? landline(r, "0579") : QByteArray();
        if (r.chance(0.8)) {
            c.address = r.pick(v.places) + r.pick(v.roads) + QByteArray::number(r.between(1, 999)) + "号";
            if (r.chance(0.3))
                c.address += QByteArray::number(r.between(1, 30)) + "幢" + QByteArray::number(r.between(1, 18)) +
                             "0" + QByteArray::number(r.between(1, 6)) + "室";
        }
        out.push_back(c);
    }
    return out;
}

std::vector<Product> makeProducts(Random& r, const Vocabulary& v, int count, int firstDay, int salesDay,
                                  int lastDay) {
    std::vector<Product> out(static_cast<size_t>(count));
    for (Product& p : out) {
        p.goods = int(r.below(std::size(kGoods)));
        const Goods& g = kGoods[p.goods];
        p.name = r.pick(v.names[p.goods]);
        p.specText = r.pick(v.specs[p.goods]);
        p.model = r.pick(v.models[p.goods]);
        p.supplier = g.trade * 6 + int(r.below(6));
        p.day = r.between(firstDay, lastDay);
        p.cost = stored(std::max<long double>(round2(r.uniform(g.costLo, g.costHi)), 0.01L));
        p.listPrice = stored(round2(p.cost * r.uniform(1.1, 1.6)));
        p.remark = r.chance(0.1) ? r.pick(v.productRemarks) : QByteArray();
        // A few products never sell; the rest sell unevenly, the longer on the
        // shelf the more.
        const double popularity = r.chance(0.05) ? 0 : 0.05 + std::pow(r.unit(), 3) * 4;
        p.weight = popularity * (lastDay - std::max(p.day, salesDay) + 30);
    }
    // Codes follow the order in which the products came in.
    std::stable_sort(out.begin(), out.end(), [](const Product& a, const Product& b) { return a.day < b.day; });
    const int width = std::max(4, int(QByteArray::number(count).size()));
    for (int i = 0; i < count; ++i) out[size_t(i)].code = 'P' + QByteArray::number(i + 1).rightJustified(width, '0');
    return out;
}

std::vector<Line> makeLines(Random& r, const Vocabulary& v, const std::vector<Product>& products, qint64 count,
                            int salesDay, int lastDay, int customers) {
    std::vector<double> cumulative;
    double total = 0;
    for (const Product& p : products) cumulative.push_back(total += p.weight);
    if (total <= 0) {  // nothing would sell: let every product sell alike
        total = 0;
        for (double& c : cumulative) c = total += 1;
    }
    static const long double kDiscounts[] = {9.5L, 9.0L, 9.8L, 8.8L, 8.5L, 8.0L};

    std::vector<Line> out(static_cast<size_t>(count));
    for (Line& l : out) {
        const auto it = std::upper_bound(cumulative.begin(), cumulative.end(), r.unit() * total);
        l.product = quint32(std::min<size_t>(size_t(it - cumulative.begin()), products.size() - 1));
        const Product& p = products[l.product];
        const Goods& g = kGoods[p.goods];
        l.day = r.between(std::max(p.day, salesDay), lastDay);
        // The list price is stored already.
        l.price = r.chance(0.7) ? p.listPrice : stored(round2(p.cost * r.uniform(1.1, 1.6)));
        const double u = r.unit();
        const long double qty = g.loose ? std::round(r.uniform(0.5, 20) * 10) / 10 : 1 + std::floor(20 * u * u);
        const long double discount = r.chance(0.8) ? 10.0L : kDiscounts[r.below(std::size(kDiscounts))];
        l.qty = stored(qty);
        // As the sale window computes them, from the figures it shows.
        l.amount = stored(((l.qty * l.price) * discount) * 0.1L);
        l.profit = stored(l.amount - l.qty * p.cost);
        l.customer = r.chance(0.35) ? -1 : qint32(std::pow(r.unit(), 2) * customers);
        l.remark = r.chance(0.05) ? qint16(r.below(v.lineRemarks.size())) : qint16(-1);
    }
    return out;
}

// Lines in the order they were sold, as the shop would have appended them.
std::vector<quint32> byDay(const std::vector<Line>& lines, int firstDay, int lastDay) {
    std::vector<qint64> start(size_t(lastDay - firstDay + 2), 0);
    for (const Line& l : lines) ++start[size_t(l.day - firstDay + 1)];
    for (size_t i = 1; i < start.size(); ++i) start[i] += start[i - 1];
    std::vector<quint32> order(lines.size());
    for (size_t i = 0; i < lines.size(); ++i) order[size_t(start[size_t(lines[i].day - firstDay)]++)] = quint32(i);
    return order;
}

// ---- Writing ---------------------------------------------------------------

class Writer {
public:
    explicit Writer(const QString& path) : path_(path) {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            fail();
    }
    ~Writer() {
        for (sqlite3_stmt* st : statements_) sqlite3_finalize(st);
        sqlite3_close_v2(db_);
    }
    [[noreturn]] void fail() const {
        throw EJxcError("无法写入“" + path_ + "”：" + QString::fromUtf8(db_ ? sqlite3_errmsg(db_) : "out of memory"));
    }
    void exec(const char* sql) {
        if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) fail();
    }
    sqlite3_stmt* prepare(const char* sql) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db_, sql, -1, &st, nullptr) != SQLITE_OK) fail();
        statements_.push_back(st);
        return st;
    }
    void run(sqlite3_stmt* st) {
        if (sqlite3_step(st) != SQLITE_DONE) fail();
        sqlite3_reset(st);
    }

private:
    QString path_;
    sqlite3* db_ = nullptr;
    std::vector<sqlite3_stmt*> statements_;
};

// The bound bytes outlive the step, so SQLite need not copy them.
void bindText(sqlite3_stmt* st, int i, const QByteArray& s) {
    sqlite3_bind_text(st, i, s.constData(), int(s.size()), SQLITE_STATIC);
}

void fill(const QString& path, int productCount, qint64 lineCount, quint64 seed, int firstDay, int salesDay,
          int lastDay) {
    Random r(seed);
    const Vocabulary v;
    const std::vector<Supplier> suppliers = makeSuppliers(r, v);
    const std::vector<Customer> customers = makeCustomers(r, v, lineCount);
    std::vector<Product> products = makeProducts(r, v, productCount, firstDay, salesDay, lastDay);
    const std::vector<Line> lines = makeLines(r, v, products, lineCount, salesDay, lastDay, int(customers.size()));
    const std::vector<quint32> order = byDay(lines, firstDay, lastDay);
    // As each sale adds to its product's totals, in the order the lines are
    // stored, so that replaying them gives the very same figures.
    for (quint32 i : order) {
        Product& p = products[lines[i].product];
        p.soldQty = stored(p.soldQty + lines[i].qty);
        p.soldAmount = stored(p.soldAmount + lines[i].amount);
        ++p.lineCount;
    }

    std::vector<QByteArray> dayText;
    for (int d = firstDay; d <= lastDay; ++d)
        dayText.push_back(QDate::fromJulianDay(d).toString(QStringLiteral("yyyy-MM-dd")).toLatin1() + " 00:00:00");
    const QByteArray none;

    Writer w(path);
    // Nothing to protect while the file is being made: no journal, no sync.
    w.exec("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; PRAGMA cache_size=-262144; PRAGMA temp_store=MEMORY");
    w.exec("BEGIN");

    sqlite3_stmt* product = w.prepare(
        "INSERT INTO jxc (商品编号,商品名称,商品规格,商品型号,单位,进货日期,进货单价,进货数量,进货金额,"
        "销售数量,销售金额,销售利润,库存数量,库存金额,供货厂商,供货电话,备注) "
        "VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,?11,?12,?13,?14,?15,?16,?17)");
    for (Product& p : products) {
        // Bought at least what was sold; most keep a fair stock, a few run low
        // or out.
        const double kind = r.unit();
        const int extra = kind < 0.05 ? 0 : kind < 0.15 ? r.between(1, 9) : r.between(10, 300);
        const long double bought = extra == 0 && p.soldQty > 0 ? p.soldQty : std::ceil(p.soldQty) + std::max(extra, 1);
        const Figure boughtQty = stored(bought);
        const Figure stock = stored(boughtQty - p.soldQty);
        const Goods& g = kGoods[p.goods];
        bindText(product, 1, p.code);
        bindText(product, 2, p.name);
        bindText(product, 3, p.specText);
        bindText(product, 4, p.model);
        sqlite3_bind_text(product, 5, g.unit, -1, SQLITE_STATIC);
        bindText(product, 6, dayText[size_t(p.day - firstDay)]);
        bindFigure(product, 7, p.cost);
        bindFigure(product, 8, boughtQty);
        bindFigure(product, 9, stored(p.cost * boughtQty));
        bindFigure(product, 10, p.soldQty);
        bindFigure(product, 11, p.soldAmount);
        if (p.lineCount > 0) bindFigure(product, 12, stored(p.soldAmount - p.soldQty * p.cost));
        else sqlite3_bind_null(product, 12);  // no sale yet, no profit
        bindFigure(product, 13, stock);
        bindFigure(product, 14, stored(stock * p.cost));
        bindText(product, 15, suppliers[size_t(p.supplier)].name);
        bindText(product, 16, suppliers[size_t(p.supplier)].phone);
        bindText(product, 17, p.remark);
        w.run(product);
    }

    sqlite3_stmt* line = w.prepare(
        "INSERT INTO xsmx (商品编号,商品名称,商品规格,商品型号,单位,销售日期,销售单价,销售数量,销售金额,"
        "销售利润,客户姓名,联系电话,详细地址,备注) VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,?11,?12,?13,?14)");
    for (quint32 i : order) {
        const Line& l = lines[i];
        const Product& p = products[l.product];
        const Customer* c = l.customer < 0 ? nullptr : &customers[size_t(l.customer)];
        bindText(line, 1, p.code);
        bindText(line, 2, p.name);
        bindText(line, 3, p.specText);
        bindText(line, 4, p.model);
        sqlite3_bind_text(line, 5, kGoods[p.goods].unit, -1, SQLITE_STATIC);
        bindText(line, 6, dayText[size_t(l.day - firstDay)]);
        bindFigure(line, 7, l.price);
        bindFigure(line, 8, l.qty);
        bindFigure(line, 9, l.amount);
        bindFigure(line, 10, l.profit);
        bindText(line, 11, c ? c->name : none);
        bindText(line, 12, c ? c->phone : none);
        bindText(line, 13, c ? c->address : none);
        bindText(line, 14, l.remark < 0 ? none : v.lineRemarks[size_t(l.remark)]);
        w.run(line);
    }

    w.exec("UPDATE kcbj SET 库存报警数 = 10");
    w.exec("COMMIT");
    // Back to what the program works with.
    w.exec("PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL");
}

}  // namespace

void writeSampleStore(const QString& path, int products, qint64 lines, quint64 seed, QDate until) {
    const QDate first(2014, 1, 1);
    if (!until.isValid()) until = QDate::currentDate();
    // The charts open on this month and this year: the sales fill the two
    // years up to `until`, and the shop bought its goods from a year before.
    const QDate sales = std::max(first, until.addYears(-2));
    const QDate bought = std::max(first, sales.addYears(-1));
    if (products < 0 || lines < 0) throw EJxcError(QStringLiteral("商品数和销售明细数不能为负数"));
    if (lines > 0 && products == 0) throw EJxcError(QStringLiteral("没有商品就不能有销售明细"));
    if (lines > qint64(UINT32_MAX)) throw EJxcError(QStringLiteral("销售明细太多"));
    if (until < first) throw EJxcError(QStringLiteral("截止日期不能早于 2014-01-01"));

    createEmptyStore(path);
    try {
        fill(path, products, lines, seed, int(bought.toJulianDay()), int(sales.toJulianDay()),
             int(until.toJulianDay()));
    } catch (...) {
        ::unlink(QFile::encodeName(path).constData());
        throw;
    }
}
