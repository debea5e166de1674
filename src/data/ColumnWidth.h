#pragma once

#include <optional>
#include <string_view>

// How many characters each Text(n) column holds: the schema's checks, the entry boxes'
// limits and the cuts of composed texts all follow this one table.
namespace ColumnWidth {

struct TextColumn {
    std::u16string_view table;
    std::u16string_view column;
    int width;
};

inline constexpr TextColumn TextColumns[] = {
    {u"商品", u"ID号", 50},      {u"商品", u"查询", 200},      {u"商品", u"编号", 50},
    {u"商品", u"名称", 100},     {u"商品", u"拼音", 50},       {u"商品", u"单位", 10},
    {u"商品", u"备用1", 50},     {u"商品", u"备用2", 50},      {u"商品", u"备用3", 50},
    {u"商品", u"备注", 50},      {u"商品", u"厂家", 50},       {u"出入库", u"销售号", 50},
    {u"出入库", u"ID号", 50},    {u"出入库", u"名称", 50},     {u"出入库", u"编号", 50},
    {u"出入库", u"单位", 10},    {u"出入库", u"厂家", 50},     {u"出入库", u"备注", 50},
    {u"出入库", u"备用1", 50},   {u"出入库", u"备用2", 50},    {u"出入库", u"类别", 10},
    {u"订单", u"ID号", 20},      {u"订单", u"备用1", 50},      {u"订单", u"备用2", 50},
    {u"订单", u"实收", 10},      {u"订单", u"找零", 10},       {u"设置", u"密码", 20},
    {u"设置", u"标题", 50},      {u"设置", u"结尾1", 50},      {u"设置", u"结尾2", 50},
    {u"设置", u"结尾3", 50},     {u"设置", u"备用1", 50},      {u"设置", u"备用2", 50},
    {u"设置", u"备用3", 50},     {u"设置", u"左边距", 10},     {u"设置", u"上边距", 10},
    {u"设置", u"自动打印", 5},   {u"设置", u"默认打印机", 50}, {u"设置", u"小票打印机", 50},
    {u"设置", u"条码", 5},       {u"盘点明细", u"编号", 50},   {u"盘点明细", u"名称", 50},
    {u"盘点明细", u"厂家", 50},  {u"盘点明细", u"单位", 10},   {u"盘点明细", u"备注", 50},
    {u"小票驱动", u"方式", 10},  {u"小票驱动", u"地址", 100},  {u"小票驱动", u"纸宽", 5},
    {u"小票驱动", u"开钱箱", 5}, {u"订单", u"付款", 10},       {u"销售修改", u"销售号", 20},
    {u"销售修改", u"时间", 8},   {u"销售修改", u"类别", 10},   {u"挂单", u"时间", 19},
    {u"挂单", u"实收", 10},      {u"挂单", u"付款", 10},       {u"挂单明细", u"ID号", 50},
    {u"挂单明细", u"编号", 50},  {u"挂单明细", u"名称", 100},  {u"挂单明细", u"单位", 10},
    {u"挂单明细", u"备注", 50},
};

constexpr std::optional<int> find(std::u16string_view table, std::u16string_view column) {
    for (const TextColumn& text : TextColumns) {
        if (text.table == table && text.column == column)
            return text.width;
    }
    return std::nullopt;
}

// For the boxes and cuts: a column missing from the table does not compile.
consteval int of(std::u16string_view table, std::u16string_view column) {
    return find(table, column).value();
}

} // namespace ColumnWidth
