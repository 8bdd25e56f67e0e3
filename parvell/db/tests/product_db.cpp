#include "product_db.h"

#include <algorithm>
#include <stdexcept>

using jetwriter::Column;
using jetwriter::ColumnType;
using jetwriter::Value;

namespace {

Column id(const char* name)
{
    return {name, ColumnType::Long, 0};
}
Column text(const char* name)
{
    return {name, ColumnType::Text, 255};
}
Column real(const char* name)
{
    return {name, ColumnType::Double, 0};
}
Column blob(const char* name)
{
    return {name, ColumnType::OLE, 0};
}

}  // namespace

ProductDb::ProductDb()
{
    db_.add_table("Mst_Pipe", {id("ID"), text("Name")});
    db_.add_table("Mst_Place", {id("ID"), id("Mst_PipeID"), text("Name")});
    db_.add_table("Mst_Product",
                  {id("ID"), text("Name"), real("Life"), text("Dimension1"), text("Dimension2"), blob("Photo"),
                   blob("Draft"), text("PartName"), text("MaterialName"), text("PartCnt"), text("URL")});
    db_.add_table("Mst_ProductDetail", {id("ID"), id("Mst_ProductID"), text("Diameter"), text("Length"), real("MX"),
                                        real("PX"), real("Y"), real("Press")});
    db_.add_table("Mst_ConditionGroup", {id("ID"), text("Detail")});
    db_.add_table("Mst_Condition", {id("ID"), id("Mst_ConditionGroupID"), text("Detail"), real("Factor"),
                                    real("DisplayValue"), id("DisplayValueType")});
    db_.add_table("Mst_ProductPlace", {id("ID"), id("Mst_PlaceID"), id("Mst_ProductID")});
    db_.add_table("Mst_ConditionDisplay",
                  {id("ID"), id("Mst_ConditionID"), id("Mst_ProductPlaceID"), id("Invalidate")});
    db_.add_table("Mst_RelatedProduct",
                  {id("ID"), text("Name"), text("Dimension"), blob("Photo"), text("URL"), text("StartCaption1"),
                   text("StartPath1"), text("StartCaption2"), text("StartPath2")});
    db_.add_table("Mst_RelatedProductDisplay",
                  {id("ID"), text("Mst_ConditionDisplayID"), id("Mst_ConditionDisplayIDCnt"),
                   id("Mst_RelatedProductID"), id("Invalidate")});
    db_.add_table("Version", {text("Version")});
}

jetwriter::Table& ProductDb::table(const char* name)
{
    for (auto& t : db_.tables)
        if (t.name == name)
            return t;
    throw std::invalid_argument(std::string("no table ") + name);
}

void ProductDb::add(const char* name, std::initializer_list<Cell> cells)
{
    jetwriter::Table& t = table(name);
    std::vector<Value> values(t.columns.size());
    for (const Cell& cell : cells) {
        auto it =
            std::find_if(t.columns.begin(), t.columns.end(), [&](const Column& c) { return c.name == cell.first; });
        if (it == t.columns.end())
            throw std::invalid_argument(std::string("no column ") + cell.first);
        values[it - t.columns.begin()] = cell.second;
    }
    t.add_row(std::move(values));
}

void ProductDb::drop_table(const char* name)
{
    auto& tables = db_.tables;
    tables.erase(
        std::remove_if(tables.begin(), tables.end(), [&](const jetwriter::Table& t) { return t.name == name; }),
        tables.end());
}

void ProductDb::drop_column(const char* name, const char* column)
{
    jetwriter::Table& t = table(name);
    for (size_t i = 0; i < t.columns.size(); ++i) {
        if (t.columns[i].name == column) {
            t.columns.erase(t.columns.begin() + (long)i);
            for (auto& row : t.rows)
                row.values.erase(row.values.begin() + (long)i);
            return;
        }
    }
}

void ProductDb::set_column_type(const char* name, const char* column, ColumnType type)
{
    for (auto& c : table(name).columns)
        if (c.name == column)
            c = type == ColumnType::Text ? Column{column, type, 255} : Column{column, type, 0};
}

void ProductDb::write(const std::string& path, const std::string& password)
{
    db_.password = password;
    jetwriter::write_database(db_, path);
}
