#include <gtest/gtest.h>

#include "connection_text.h"
#include "jet/errors.h"

using jet::ConnectionSettings;
using jet::EDatabaseError;
using jet::parse_connection_text;

TEST(ConnectionText, ReadsTheProgramsConnectionText)
{
    ConnectionSettings s = parse_connection_text(
        "Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=Parvell.mdb;"
        "Persist Security Info=False;Jet OLEDB:Database Password=q7154mvk--tpa");
    EXPECT_EQ(s.provider, "Microsoft.Jet.OLEDB.4.0");
    EXPECT_EQ(s.user_id, "Admin");
    EXPECT_EQ(s.data_source, "Parvell.mdb");
    EXPECT_EQ(s.database_password, "q7154mvk--tpa");
    EXPECT_EQ(s.user_password, "");
}

TEST(ConnectionText, KeysInAnyCaseBlanksDroppedQuotesKept)
{
    ConnectionSettings s = parse_connection_text(
        " data source = \"a;b.mdb\" ; JET OLEDB:DATABASE PASSWORD=' x''y ';Mode=Read;;"
        "user id=guest;password=pw=1");
    EXPECT_EQ(s.data_source, "a;b.mdb");
    EXPECT_EQ(s.database_password, " x'y ");
    EXPECT_EQ(s.user_id, "guest");
    EXPECT_EQ(s.user_password, "pw=1");
    EXPECT_EQ(s.provider, "");
    EXPECT_EQ(parse_connection_text("Provider=x").user_id, "Admin");
}

TEST(ConnectionText, RefusesPairsItCannotRead)
{
    const std::pair<const char*, const char*> refusals[] = {
        {"Provider=x;Data Source", "接続文字列の \"Data Source\" に値がありません。"},
        {"Data Source=\"a.mdb", "接続文字列の \"Data Source\" の値の引用符が閉じていません。"},
        {"Data Source=\"a.mdb\"x;", "接続文字列の \"Data Source\" の引用符で囲まれた値の後に文字があります。"},
    };
    for (const auto& [text, refusal] : refusals) {
        try {
            parse_connection_text(text);
            ADD_FAILURE() << text;
        } catch (const EDatabaseError& e) {
            EXPECT_STREQ(e.what(), refusal) << text;
        }
    }
}
