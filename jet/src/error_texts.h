// The texts of the layer's errors, in Japanese as the desktop shows a
// database's errors. Names and statements inside them are Shift-JIS, as the
// layer hands them out.
#ifndef JET_ERROR_TEXTS_H
#define JET_ERROR_TEXTS_H

#include <cstdint>
#include <string>

#include "jet/errors.h"

namespace jet {

// Opening the file.
EDatabaseError provider_not_available(const std::string& provider);
EDatabaseError account_not_valid(const std::string& user);
EDatabaseError no_data_source();
EDatabaseError file_not_found(const std::string& file);
EDatabaseError format_not_recognized(const std::string& file);
EDatabaseError password_not_valid(const std::string& file);
EDatabaseError catalog_unreadable(const std::string& file, const std::string& why);
EDatabaseError converter_unavailable();

// The connection text.
EDatabaseError connection_pair_without_value(const std::string& text);
EDatabaseError connection_quote_not_closed(const std::string& key);
EDatabaseError connection_text_after_quote(const std::string& key);

// Statements and their results.
EDatabaseError statement_not_supported(const std::string& sql, const std::string& why);
std::string bracket_not_closed();
std::string expected_at(const std::string& expected, const std::string& rest);
std::string expected_at_end(const std::string& expected);
enum class Expected { table_name, column_name, integer, integer_within_64_bits, statement_end };
std::string expected_item(Expected what);
EDatabaseError table_not_found(const std::string& table);
EDatabaseError column_not_found(const std::string& column, const std::string& table);
EDatabaseError not_comparable_with_number(const std::string& column);
EDatabaseError not_sortable(const std::string& column);
EDatabaseError query_closed();
EDatabaseError field_not_found(const std::string& field);
EDatabaseError blob_stream_read_only();
EDatabaseError field_of_another_query();
EDatabaseError field_not_a_blob(const std::string& field);

// Values that an accessor cannot convert.
EConvertError not_an_integer(const std::string& text);
EConvertError not_a_float(const std::string& text);
EConvertError blob_not_a_number(const std::string& field);

// Damage, by where it was found: a table's definition, one of its rows, or a
// long value (memo or picture) of one of its columns. `what` is one of the
// texts below.
EDatabaseError damaged_definition(const std::string& table, const std::string& what);
EDatabaseError damaged_row(const std::string& table, const std::string& what);
EDatabaseError damaged_value(const std::string& table, const std::string& column, const std::string& what);
EDatabaseError damaged_result(const std::string& table);

namespace damage {
std::string page_outside_file(uint32_t page);
std::string definition_page_kind();
std::string too_many_columns();
std::string definition_runs_past_last_page();
std::string definition_pages_loop();
std::string continuation_page_kind(uint32_t page);
std::string usage_map_missing();
std::string usage_map_too_short();
std::string usage_map_kind();
std::string fixed_columns_overlap(const std::string& a, const std::string& b);
std::string fixed_column_outside_row(const std::string& column);
std::string variable_columns_share_slot(const std::string& a, const std::string& b);
std::string catalog_column_missing(const std::string& column);
std::string catalog_number_missing();
std::string row_table_too_long();
std::string field_outside_row(const std::string& column);
std::string fields_overlap(const std::string& a, const std::string& b);
std::string reference_cut_short();
std::string length_beyond_file();
std::string reference_kind();
std::string inline_value_size();
std::string piece_missing();
std::string piece_cut_short();
std::string runs_past_length();
std::string ends_before_length();
std::string piece_read_twice();
}  // namespace damage

}  // namespace jet

#endif
