// Compiled in every build: the field types of the records, which another
// program writes, bind as much as the offsets pinned in the header.
#include <type_traits>

#include <tolvane.h>

static_assert(std::is_same_v<decltype(Prt_ini::prm1), int32_t>);
static_assert(std::is_same_v<decltype(Prt_ini::doc), const char*>);
static_assert(std::is_same_v<decltype(Prt_ini::pap), int16_t>);
static_assert(std::is_same_v<decltype(Prt_ini::prm2), double>);
static_assert(std::is_same_v<decltype(Prt_ini::prm6), int16_t>);
static_assert(std::is_same_v<decltype(Prt_ini::prm7), int16_t>);
static_assert(std::is_same_v<decltype(Prt_ini::prm8), int32_t>);
static_assert(std::is_same_v<decltype(Prt_lin::lin_wid), double>);
static_assert(std::is_same_v<decltype(Prt_lin::lin_col), int32_t>);
static_assert(std::is_same_v<decltype(Prt_lin::lin_sty), uint8_t>);
static_assert(std::is_same_v<decltype(Prt_rct::fil_col), int32_t>);
static_assert(std::is_same_v<decltype(Prt_rct::fil_sty), uint8_t>);
static_assert(std::is_same_v<decltype(Prt_txt::str), const char*>);
static_assert(std::is_same_v<decltype(Prt_txt::aln_hrz), int32_t>);
static_assert(std::is_same_v<decltype(Prt_txt::fnt_nam), const char*>);
static_assert(std::is_same_v<decltype(Prt_txt::fnt_siz), int32_t>);
static_assert(std::is_same_v<decltype(Prt_txt::atr4), int32_t>);
static_assert(std::is_same_v<decltype(Rct_inf::hgt), double>);
static_assert(std::is_trivially_copyable_v<Prt_ini> && std::is_standard_layout_v<Prt_ini> &&
              std::is_standard_layout_v<Prt_lin> && std::is_standard_layout_v<Prt_rct> &&
              std::is_standard_layout_v<Prt_txt> && std::is_standard_layout_v<Rct_inf>);
