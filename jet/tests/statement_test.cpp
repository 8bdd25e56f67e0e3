#include <gtest/gtest.h>

#include "jet/errors.h"
#include "statement.h"

using jet::EDatabaseError;
using jet::parse_statement;
using jet::Statement;

namespace {

std::string error_of(const std::string& sql)
{
    try {
        parse_statement(sql);
    } catch (const EDatabaseError& e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST(Statement, ReadsEveryFormTheProgramRuns)
{
    Statement plain = parse_statement("SELECT * FROM Mst_Place");
    EXPECT_EQ(plain.table, "Mst_Place");
    EXPECT_FALSE(plain.has_where);
    EXPECT_FALSE(plain.has_order);

    Statement where = parse_statement("SELECT * FROM Mst_ConditionDisplay WHERE Invalidate=0");
    EXPECT_TRUE(where.has_where);
    EXPECT_EQ(where.where_column, "Invalidate");
    EXPECT_EQ(where.where_value, 0);

    Statement both = parse_statement(
        "SELECT * from Mst_RelatedProductDisplay WHERE Invalidate=0 ORDER BY "
        "Mst_ConditionDisplayIDCnt DESC ");
    EXPECT_EQ(both.table, "Mst_RelatedProductDisplay");
    EXPECT_TRUE(both.has_where);
    EXPECT_TRUE(both.has_order);
    EXPECT_EQ(both.order_column, "Mst_ConditionDisplayIDCnt");
    EXPECT_TRUE(both.descending);

    Statement asc = parse_statement("SELECT * FROM Mst_Pipe ORDER BY ID ASC");
    EXPECT_TRUE(asc.has_order);
    EXPECT_FALSE(asc.descending);
    EXPECT_FALSE(parse_statement("SELECT * FROM Mst_Pipe ORDER BY ID").descending);
}

TEST(Statement, TakesKeywordsInAnyCaseAndBlanksAnywhereBetweenWords)
{
    Statement st = parse_statement("  select\t*from\n[Mst Pipe]  where  Kind =\t-12 order\r\nby [Sort Key] desc ;  ");
    EXPECT_EQ(st.table, "Mst Pipe");
    EXPECT_EQ(st.where_column, "Kind");
    EXPECT_EQ(st.where_value, -12);
    EXPECT_EQ(st.order_column, "Sort Key");
    EXPECT_TRUE(st.descending);
    EXPECT_EQ(parse_statement("SELECT*FROM t WHERE a=+7").where_value, 7);
    EXPECT_EQ(parse_statement("SELECT * FROM t WHERE a=-9223372036854775808").where_value, INT64_MIN);
}

TEST(Statement, RefusesEveryOtherStatementAndNamesIt)
{
    const std::pair<const char*, std::string> refusals[] = {
        {"DELETE FROM Mst_Pipe", "\"DELETE FROM Mst_Pipe\" の位置に\"SELECT\"が必要です。"},
        {"UPDATE Mst_Pipe SET Name='x'", "\"UPDATE Mst_Pipe SET Name='x'\" の位置に\"SELECT\"が必要です。"},
        {"SELECT ID FROM Mst_Pipe", "\"ID FROM Mst_Pipe\" の位置に\"*\"が必要です。"},
        {"SELECT * FROM", "終わりにテーブル名が必要です。"},
        {"SELECT * FROM Mst_Pipe WHERE Name='x'", "\"'x'\" の位置に整数が必要です。"},
        {"SELECT * FROM Mst_Pipe WHERE ID=1.5", "\".5\" の位置にステートメントの終わりが必要です。"},
        {"SELECT * FROM Mst_Pipe WHERE ID=Other", "\"Other\" の位置に整数が必要です。"},
        {"SELECT * FROM Mst_Pipe WHERE ID>1", "\">1\" の位置に\"=\"が必要です。"},
        {"SELECT * FROM Mst_Pipe WHERE ID=", "終わりに整数が必要です。"},
        {"SELECT * FROM Mst_Pipe ORDER ID", "\"ID\" の位置に\"BY\"が必要です。"},
        {"SELECT * FROM Mst_Pipe ORDER BY", "終わりに列名が必要です。"},
        {"SELECT * FROM Mst_Pipe ORDER BY ID DESC extra", "\"extra\" の位置にステートメントの終わりが必要です。"},
        {"SELECT * FROM [Mst_Pipe", "角かっこで囲まれた名前が閉じていません。"},
        {"SELECT * FROM Mst_Pipe, Mst_Place", "\", Mst_Place\" の位置にステートメントの終わりが必要です。"},
        {"SELECT * FROM 1abc", "\"1abc\" の位置にテーブル名が必要です。"},
        {"SELECT * FROM WHERE", "\"WHERE\" の位置にテーブル名が必要です。"},
        {"SELECT * FROM t WHERE a=9223372036854775808",
         "\"9223372036854775808\" の位置に64 ビットに収まる整数が必要です。"},
        {"", "終わりに\"SELECT\"が必要です。"},
    };
    for (const auto& [sql, why] : refusals)
        EXPECT_EQ(error_of(sql), std::string("実行できない SQL ステートメントです (\"") + sql + "\"): " + why) << sql;
}
