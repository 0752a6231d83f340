#include "purchasing/ProductColumns.h"

std::vector<GridColumn> productColumns()
{
    using F = GridColumn;
    std::vector<GridColumn> columns = {
        gridColumn("商品编号", "商品|编号", 50, false, F::StaticText),
        gridColumn("商品名称", "商品|名称", 80),
        gridColumn("商品规格", "商品|规格", 70),
        gridColumn("商品型号", "商品|型号", 70),
        gridColumn("单位", "商品|单位", 50),
        gridColumn("进货日期", "进货|日期", 75),
        gridColumn("进货单价", "进货|单价", 65, true),
        gridColumn("进货数量", "进货|数量", 55, true, F::SumFormatted),
        gridColumn("进货金额", "进货|金额", 70, true, F::SumFormatted),
        gridColumn("销售数量", "销售|数量", 55, true, F::SumFormatted),
        gridColumn("销售金额", "销售|金额", 70, true, F::SumFormatted),
        gridColumn("销售利润", "销售|利润", -1, true, F::SumGeneral),
        gridColumn("库存数量", "库存|数量", 55, true, F::SumFormatted),
        gridColumn("库存金额", "库存|金额", 70, true, F::SumFormatted),
        gridColumn("供货厂商", "供货|厂商", 75),
        gridColumn("供货电话", "供货|电话", 80),
        gridColumn("备注", "", 70),
    };
    columns[0].footerText = QStringLiteral("合计");
    return columns;
}
