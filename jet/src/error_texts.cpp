// The one file of the layer that holds Japanese texts (the fuzz build takes
// its literals as UTF-8, which it never shows).
#include "error_texts.h"

namespace jet {
namespace {

std::string quoted(const std::string& name)
{
    return "'" + name + "'";
}

}  // namespace

EDatabaseError provider_not_available(const std::string& provider)
{
    return EDatabaseError("プロバイダー " + quoted(provider) + " は登録されていません。");
}

EDatabaseError account_not_valid(const std::string& user)
{
    return EDatabaseError("アカウント名 " + quoted(user) + " またはパスワードが正しくありません。");
}

EDatabaseError no_data_source()
{
    return EDatabaseError("接続文字列にデータ ソース (Data Source) がありません。");
}

EDatabaseError file_not_found(const std::string& file)
{
    return EDatabaseError("ファイル " + quoted(file) + " が見つかりません。");
}

EDatabaseError format_not_recognized(const std::string& file)
{
    return EDatabaseError("データベース形式 " + quoted(file) + " を認識できません。");
}

EDatabaseError password_not_valid(const std::string& file)
{
    return EDatabaseError(quoted(file) + " のデータベース パスワードが正しくありません。");
}

EDatabaseError catalog_unreadable(const std::string& file, const std::string& why)
{
    return EDatabaseError(quoted(file) + " のシステム テーブルを読み込めません。" + why);
}

EDatabaseError converter_unavailable()
{
    return EDatabaseError("文字コードの変換を準備できません。");
}

EDatabaseError connection_pair_without_value(const std::string& text)
{
    return EDatabaseError("接続文字列の \"" + text + "\" に値がありません。");
}

EDatabaseError connection_quote_not_closed(const std::string& key)
{
    return EDatabaseError("接続文字列の \"" + key + "\" の値の引用符が閉じていません。");
}

EDatabaseError connection_text_after_quote(const std::string& key)
{
    return EDatabaseError("接続文字列の \"" + key + "\" の引用符で囲まれた値の後に文字があります。");
}

EDatabaseError statement_not_supported(const std::string& sql, const std::string& why)
{
    return EDatabaseError("実行できない SQL ステートメントです (\"" + sql + "\"): " + why);
}

std::string bracket_not_closed()
{
    return "角かっこで囲まれた名前が閉じていません。";
}

std::string expected_at(const std::string& expected, const std::string& rest)
{
    return "\"" + rest + "\" の位置に" + expected + "が必要です。";
}

std::string expected_at_end(const std::string& expected)
{
    return "終わりに" + expected + "が必要です。";
}

std::string expected_item(Expected what)
{
    switch (what) {
    case Expected::table_name: return "テーブル名";
    case Expected::column_name: return "列名";
    case Expected::integer: return "整数";
    case Expected::integer_within_64_bits: return "64 ビットに収まる整数";
    case Expected::statement_end: return "ステートメントの終わり";
    }
    return std::string();
}

EDatabaseError table_not_found(const std::string& table)
{
    return EDatabaseError("テーブル " + quoted(table) + " が見つかりません。");
}

EDatabaseError column_not_found(const std::string& column, const std::string& table)
{
    return EDatabaseError("テーブル " + quoted(table) + " に列 " + quoted(column) + " がありません。");
}

EDatabaseError not_comparable_with_number(const std::string& column)
{
    return EDatabaseError("抽出条件でデータ型が一致しません: 列 " + quoted(column) + " は数値と比較できません。");
}

EDatabaseError not_sortable(const std::string& column)
{
    return EDatabaseError("列 " + quoted(column) + " で並べ替えることはできません。");
}

EDatabaseError no_connection_error()
{
    return EDatabaseError("クエリの接続が開かれていません。");
}

EDatabaseError query_closed()
{
    return EDatabaseError("閉じているデータセットでは操作できません。");
}

EDatabaseError field_not_found(const std::string& field)
{
    return EDatabaseError("フィールド " + quoted(field) + " が見つかりません。");
}

EDatabaseError blob_stream_read_only()
{
    return EDatabaseError("BLOB ストリームは読み取りにしか開けません。");
}

EDatabaseError field_of_another_query()
{
    return EDatabaseError("このフィールドは別のクエリのものです。");
}

EDatabaseError field_not_a_blob(const std::string& field)
{
    return EDatabaseError("フィールド " + quoted(field) + " は BLOB フィールドではありません。");
}

EConvertError not_an_integer(const std::string& text)
{
    return EConvertError(quoted(text) + " は整数値ではありません。");
}

EConvertError not_a_float(const std::string& text)
{
    return EConvertError(quoted(text) + " は浮動小数点数値ではありません。");
}

EConvertError blob_not_a_number(const std::string& field)
{
    return EConvertError("BLOB フィールド " + quoted(field) + " は数値として読めません。");
}

EDatabaseError damaged_definition(const std::string& table, const std::string& what)
{
    return EDatabaseError("データベースが壊れています。テーブル " + quoted(table) + " の定義: " + what);
}

EDatabaseError damaged_row(const std::string& table, const std::string& what)
{
    return EDatabaseError("データベースが壊れています。テーブル " + quoted(table) + " の行: " + what);
}

EDatabaseError damaged_value(const std::string& table, const std::string& column, const std::string& what)
{
    return EDatabaseError("データベースが壊れています。テーブル " + quoted(table) + " の列 " + quoted(column) +
                          " の値: " + what);
}

EDatabaseError damaged_result(const std::string& table)
{
    return EDatabaseError("データベースが壊れています。テーブル " + quoted(table) +
                          " の結果がファイルの大きさに見合いません。");
}

namespace damage {

std::string page_outside_file(uint32_t page)
{
    return "ページ " + std::to_string(page) + " がファイルの外にあります (ファイルが途中で切れています)。";
}

std::string definition_page_kind()
{
    return "定義のページに定義がありません。";
}

std::string too_many_columns()
{
    return "列またはインデックスの数がテーブルの上限を超えています。";
}

std::string definition_runs_past_last_page()
{
    return "列の情報が最後のページを超えています。";
}

std::string definition_pages_loop()
{
    return "定義のページが前のページに戻っています。";
}

std::string continuation_page_kind(uint32_t page)
{
    return "続きのページ " + std::to_string(page) + " に定義がありません。";
}

std::string usage_map_missing()
{
    return "使用ページ マップが指す行にありません。";
}

std::string usage_map_too_short()
{
    return "使用ページ マップが短すぎます。";
}

std::string usage_map_kind()
{
    return "使用ページ マップの種類が不明です。";
}

std::string fixed_columns_overlap(const std::string& a, const std::string& b)
{
    return "固定長の列 " + quoted(a) + " と " + quoted(b) + " が行の同じバイトを占めています。";
}

std::string fixed_column_outside_row(const std::string& column)
{
    return "固定長の列 " + quoted(column) + " が行の固定長部分の外にあります。";
}

std::string variable_columns_share_slot(const std::string& a, const std::string& b)
{
    return "可変長の列 " + quoted(a) + " と " + quoted(b) + " が行の同じ位置を指しています。";
}

std::string catalog_column_missing(const std::string& column)
{
    return "列 " + quoted(column) + " がありません。";
}

std::string catalog_number_missing()
{
    return "数値の列に数値がありません。";
}

std::string row_table_too_long()
{
    return "ページの行の一覧がページに収まりません。";
}

std::string field_outside_row(const std::string& column)
{
    return "列 " + quoted(column) + " の値が行の外にあるか、型の幅より狭くなっています。";
}

std::string fields_overlap(const std::string& a, const std::string& b)
{
    return "列 " + quoted(a) + " と " + quoted(b) + " の値が同じバイトを占めています。";
}

std::string reference_cut_short()
{
    return "参照が途中で切れています。";
}

std::string length_beyond_file()
{
    return "長さがファイルの大きさを超えています。";
}

std::string reference_kind()
{
    return "参照の種類が不明です。";
}

std::string inline_value_size()
{
    return "行内の値の長さが行と合いません。";
}

std::string piece_missing()
{
    return "値の一部が指す場所にありません。";
}

std::string piece_cut_short()
{
    return "値の一部が途中で切れています。";
}

std::string runs_past_length()
{
    return "値が宣言された長さを超えています。";
}

std::string ends_before_length()
{
    return "値が宣言された長さより前で終わっています。";
}

std::string piece_read_twice()
{
    return "値の一部が二度読まれています (ほかの値と共有しているか、ページの連鎖が戻っています)。";
}

}  // namespace damage

}  // namespace jet
