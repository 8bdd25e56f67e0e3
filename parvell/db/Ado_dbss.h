// Ado_dbss: Parvell's road to its product database Parvell.mdb. One
// connection with one reusable query; rows are copied through column
// descriptors into the plain row records below, and the loaders fill the
// in-memory lists of the product tables.
#ifndef PARVELL_ADO_DBSS_H
#define PARVELL_ADO_DBSS_H

#include <stddef.h>
#include <stdint.h>

#include <iterator>

#include <jet/stream.h>
#include <quillon.h>

namespace jet {
class TADOConnection;
class TADOQuery;
}  // namespace jet

// ---- Connection and statements -------------------------------------------

// One open database; the payload of its node in dbs_lst (the database handle).
struct Dbs_inf {
    jet::TADOConnection* con;  // owned
    jet::TADOQuery* qry;       // owned; its Connection is con
};

// Fetch types of a column descriptor.
enum {
    COL_INT = 1,  // AsInteger into the int32 at dst
    COL_TXT = 2,  // AsString into the char buffer of siz bytes at dst
    COL_FLT = 3,  // AsFloat into the double at dst
    COL_BLB = 4,  // a blob stream (null for a null column) into the slot at blb
};

// One column descriptor. siz is the size of the char buffer at dst for
// COL_TXT: a text is copied up to siz - 1 bytes, never splitting a
// double-byte character, always NUL-terminated. offset is where the field
// sits in its row record, so that one template serves every record of its
// table (point_columns).
struct Col_inf {
    void* dst;
    jet::TStream** blb;
    const char* nam;
    int32_t typ;
    int32_t siz;
    size_t offset;
};

extern Lnk_inf dbs_lst;   // the open databases
extern Lnk_inf* cur_dbs;  // the product database; null while none is open

// Opens the Jet file for user usr with database password pwd; the handle,
// or null when the file cannot be opened (missing, not a database, wrong
// password) or no memory is had.
Lnk_inf* ado_opn_(const char* fil, const char* usr, const char* pwd);
void ado_cls_(Lnk_inf* dbs);
// Runs one statement and goes to its first row; the number of rows.
int32_t ado_qry_(Lnk_inf* dbs, const char* sql);
// Copies the current row through cnt descriptors, then moves to the next row.
void ado_get_(Lnk_inf* dbs, Col_inf* col, int32_t cnt);
void ado_end_(Lnk_inf* dbs);
// Opens Parvell.mdb in the current folder into cur_dbs; 1 when open, else 0.
int32_t opn_dbs_(void);
void cls_dbs_(void);

// Data-access errors (jet::EDatabaseError, jet::EConvertError) of
// ado_qry_, ado_get_ and the loaders pass to the caller unchanged.

// ---- Row records ----------------------------------------------------------

struct Pip_inf {  // Mst_Pipe
    int32_t ID;
    char Name[17];
    Lnk_inf plc;  // the pipe's places (Plc_inf)
};

struct Plc_inf {  // Mst_Place
    int32_t ID;
    int32_t Mst_PipeID;
    char Name[64];
};

struct Prd_inf {  // Mst_Product
    int32_t ID;
    char Name[17];
    double Life;
    char Dimension1[129];
    char Dimension2[129];
    jet::TStream* Photo;  // owned; null when the column is null
    jet::TStream* Draft;  // owned; null when the column is null
    char PartName[129];
    char MaterialName[129];
    char PartCnt[129];
    char URL[129];
    Lnk_inf pdt;  // the product's sizes (Pdt_inf)
};

struct Pdt_inf {  // Mst_ProductDetail
    int32_t ID;
    int32_t Mst_ProductID;
    char Diameter[17];
    char Length[17];
    double MX;
    double PX;
    double Y;
    double Press;
};

struct Cgp_inf {  // Mst_ConditionGroup
    int32_t ID;
    char Detail[17];
    Lnk_inf cdt;  // the group's conditions (Cdt_inf)
};

struct Cdt_inf {  // Mst_Condition
    int32_t ID;
    int32_t Mst_ConditionGroupID;
    char Detail[65];
    double Factor;
    double DisplayValue;
    int32_t DisplayValueType;
};

struct Ppl_inf {  // Mst_ProductPlace
    int32_t ID;
    int32_t Mst_PlaceID;
    int32_t Mst_ProductID;
};

struct Cds_inf {  // Mst_ConditionDisplay
    int32_t ID;
    int32_t Mst_ConditionID;
    int32_t Mst_ProductPlaceID;
};

struct Rpd_inf {  // Mst_RelatedProduct
    int32_t ID;
    char Name[17];
    char Dimension[129];
    jet::TStream* Photo;  // owned; null when the column is null
    char URL[129];
    char StartCaption1[129];
    char StartPath1[129];
    char StartCaption2[129];
    char StartPath2[129];
};

struct Rdp_inf {  // Mst_RelatedProductDisplay
    int32_t ID;
    char Mst_ConditionDisplayID[129];
    int32_t Mst_ConditionDisplayIDCnt;
    int32_t Mst_RelatedProductID;
};

// ---- Descriptor templates and statements ----------------------------------
// One template per table: the fetched fields of its row record in record
// order, each column named as its field. A caller points a copy at its row
// record with point_columns and passes the copy with its length.

// clang-format off
#define COLUMN(rec, field, typ) \
    {nullptr, nullptr, #field, typ, typ == COL_TXT ? (int32_t)sizeof(rec::field) : 0, offsetof(rec, field)}
// clang-format on

inline constexpr Col_inf pipe_columns[] = {COLUMN(Pip_inf, ID, COL_INT), COLUMN(Pip_inf, Name, COL_TXT)};

inline constexpr Col_inf place_columns[] = {COLUMN(Plc_inf, ID, COL_INT), COLUMN(Plc_inf, Mst_PipeID, COL_INT),
                                            COLUMN(Plc_inf, Name, COL_TXT)};

inline constexpr Col_inf product_columns[] = {
    COLUMN(Prd_inf, ID, COL_INT),         COLUMN(Prd_inf, Name, COL_TXT),       COLUMN(Prd_inf, Life, COL_FLT),
    COLUMN(Prd_inf, Dimension1, COL_TXT), COLUMN(Prd_inf, Dimension2, COL_TXT), COLUMN(Prd_inf, Photo, COL_BLB),
    COLUMN(Prd_inf, Draft, COL_BLB),      COLUMN(Prd_inf, PartName, COL_TXT),   COLUMN(Prd_inf, MaterialName, COL_TXT),
    COLUMN(Prd_inf, PartCnt, COL_TXT),    COLUMN(Prd_inf, URL, COL_TXT)};

inline constexpr Col_inf size_columns[] = {COLUMN(Pdt_inf, ID, COL_INT),       COLUMN(Pdt_inf, Mst_ProductID, COL_INT),
                                           COLUMN(Pdt_inf, Diameter, COL_TXT), COLUMN(Pdt_inf, Length, COL_TXT),
                                           COLUMN(Pdt_inf, MX, COL_FLT),       COLUMN(Pdt_inf, PX, COL_FLT),
                                           COLUMN(Pdt_inf, Y, COL_FLT),        COLUMN(Pdt_inf, Press, COL_FLT)};

inline constexpr Col_inf condition_group_columns[] = {COLUMN(Cgp_inf, ID, COL_INT), COLUMN(Cgp_inf, Detail, COL_TXT)};

inline constexpr Col_inf condition_columns[] = {
    COLUMN(Cdt_inf, ID, COL_INT),           COLUMN(Cdt_inf, Mst_ConditionGroupID, COL_INT),
    COLUMN(Cdt_inf, Detail, COL_TXT),       COLUMN(Cdt_inf, Factor, COL_FLT),
    COLUMN(Cdt_inf, DisplayValue, COL_FLT), COLUMN(Cdt_inf, DisplayValueType, COL_INT)};

inline constexpr Col_inf product_place_columns[] = {COLUMN(Ppl_inf, ID, COL_INT), COLUMN(Ppl_inf, Mst_PlaceID, COL_INT),
                                                    COLUMN(Ppl_inf, Mst_ProductID, COL_INT)};

inline constexpr Col_inf condition_display_columns[] = {COLUMN(Cds_inf, ID, COL_INT),
                                                        COLUMN(Cds_inf, Mst_ConditionID, COL_INT),
                                                        COLUMN(Cds_inf, Mst_ProductPlaceID, COL_INT)};

inline constexpr Col_inf related_product_columns[] = {
    COLUMN(Rpd_inf, ID, COL_INT),         COLUMN(Rpd_inf, Name, COL_TXT),
    COLUMN(Rpd_inf, Dimension, COL_TXT),  COLUMN(Rpd_inf, Photo, COL_BLB),
    COLUMN(Rpd_inf, URL, COL_TXT),        COLUMN(Rpd_inf, StartCaption1, COL_TXT),
    COLUMN(Rpd_inf, StartPath1, COL_TXT), COLUMN(Rpd_inf, StartCaption2, COL_TXT),
    COLUMN(Rpd_inf, StartPath2, COL_TXT)};

inline constexpr Col_inf related_display_columns[] = {
    COLUMN(Rdp_inf, ID, COL_INT), COLUMN(Rdp_inf, Mst_ConditionDisplayID, COL_TXT),
    COLUMN(Rdp_inf, Mst_ConditionDisplayIDCnt, COL_INT), COLUMN(Rdp_inf, Mst_RelatedProductID, COL_INT)};

#undef COLUMN

enum { VER_LEN = 64 };  // the database version buffer of the main window

// The column Version of the table Version, pointed at the version buffer itself.
inline constexpr Col_inf version_columns[] = {{nullptr, nullptr, "Version", COL_TXT, VER_LEN, 0}};

// The templates' lengths.
inline constexpr int32_t pipe_column_count = (int32_t)std::size(pipe_columns);
inline constexpr int32_t place_column_count = (int32_t)std::size(place_columns);
inline constexpr int32_t product_column_count = (int32_t)std::size(product_columns);
inline constexpr int32_t size_column_count = (int32_t)std::size(size_columns);
inline constexpr int32_t condition_group_column_count = (int32_t)std::size(condition_group_columns);
inline constexpr int32_t condition_column_count = (int32_t)std::size(condition_columns);
inline constexpr int32_t product_place_column_count = (int32_t)std::size(product_place_columns);
inline constexpr int32_t condition_display_column_count = (int32_t)std::size(condition_display_columns);
inline constexpr int32_t related_product_column_count = (int32_t)std::size(related_product_columns);
inline constexpr int32_t related_display_column_count = (int32_t)std::size(related_display_columns);
inline constexpr int32_t version_column_count = (int32_t)std::size(version_columns);

// Copies cnt descriptors of a template into col and points each at its
// field of the row record rec: dst, or blb for COL_BLB.
void point_columns(Col_inf* col, const Col_inf* tpl, int32_t cnt, void* rec);

extern const char pipe_query[];
extern const char place_query[];
extern const char product_query[];
extern const char size_query[];
extern const char condition_group_query[];
extern const char condition_query[];
extern const char product_place_query[];
extern const char condition_display_query[];
extern const char related_product_query[];
extern const char related_display_query[];
extern const char version_query[];

// ---- Loaders --------------------------------------------------------------
// Each fills the zeroed list head it is given on cur_dbs and returns 1 when
// every row was stored, 0 when a node could not be had (the rows stored so
// far stay in the list). The parent-and-child loaders first load the parent
// table into the head, then append each child row to the sub-list of the
// first parent with its key; a child without a parent is dropped.

int32_t lod_pip_(Lnk_inf* lst);  // Pip_inf, ascending ID
int32_t lod_plc_(Lnk_inf* lst);  // lod_pip_, then each Plc_inf into plc
int32_t lod_prd_(Lnk_inf* lst);  // Prd_inf, ascending ID
int32_t lod_pdt_(Lnk_inf* lst);  // lod_prd_, then each Pdt_inf into pdt
int32_t lod_cgp_(Lnk_inf* lst);  // Cgp_inf, ascending ID
int32_t lod_cdt_(Lnk_inf* lst);  // lod_cgp_, then each Cdt_inf into cdt
int32_t lod_ppl_(Lnk_inf* lst);  // Ppl_inf
int32_t lod_cds_(Lnk_inf* lst);  // Cds_inf with Invalidate 0
int32_t lod_rpd_(Lnk_inf* lst);  // Rpd_inf, ascending ID

// The related-product display rules (related_display_query) that the selected display
// rows slc (int32 IDs) satisfy, appended to acc as whole Rdp_inf rows: 1, or
// 0 when a node or a token list could not be had.
int32_t sel_rdp_(Lnk_inf* acc, Lnk_inf* slc);
// A token's decimal value as atol reads it (blanks, sign, digits).
int32_t cnv_int_(const char* token);

// Copies the column Version of the table Version into dvr (siz bytes) when
// the table holds exactly one row: 1; otherwise 0 and dvr stays as it was.
int32_t lod_ver_(char* dvr, int32_t siz = VER_LEN);

// ---- Layouts on 64-bit Linux -----------------------------------------------

static_assert(sizeof(void*) == 8, "the records are laid out for 64-bit pointers");
static_assert(sizeof(Dbs_inf) == 16, "Dbs_inf");
static_assert(offsetof(Col_inf, nam) == 16 && offsetof(Col_inf, typ) == 24 && offsetof(Col_inf, siz) == 28 &&
                  offsetof(Col_inf, offset) == 32 && sizeof(Col_inf) == 40,
              "Col_inf");
static_assert(offsetof(Pip_inf, Name) == 4 && offsetof(Pip_inf, plc) == 24 && sizeof(Pip_inf) == 40, "Pip_inf");
static_assert(offsetof(Plc_inf, Name) == 8 && sizeof(Plc_inf) == 72, "Plc_inf");
static_assert(offsetof(Prd_inf, Life) == 24 && offsetof(Prd_inf, Dimension1) == 32 &&
                  offsetof(Prd_inf, Dimension2) == 161 && offsetof(Prd_inf, Photo) == 296 &&
                  offsetof(Prd_inf, Draft) == 304 && offsetof(Prd_inf, PartName) == 312 &&
                  offsetof(Prd_inf, URL) == 699 && offsetof(Prd_inf, pdt) == 832 && sizeof(Prd_inf) == 848,
              "Prd_inf");
static_assert(offsetof(Pdt_inf, Diameter) == 8 && offsetof(Pdt_inf, Length) == 25 && offsetof(Pdt_inf, MX) == 48 &&
                  offsetof(Pdt_inf, Press) == 72 && sizeof(Pdt_inf) == 80,
              "Pdt_inf");
static_assert(offsetof(Cgp_inf, cdt) == 24 && sizeof(Cgp_inf) == 40, "Cgp_inf");
static_assert(offsetof(Cdt_inf, Detail) == 8 && offsetof(Cdt_inf, Factor) == 80 &&
                  offsetof(Cdt_inf, DisplayValueType) == 96 && sizeof(Cdt_inf) == 104,
              "Cdt_inf");
static_assert(sizeof(Ppl_inf) == 12 && sizeof(Cds_inf) == 12, "Ppl_inf, Cds_inf");
static_assert(offsetof(Rpd_inf, Dimension) == 21 && offsetof(Rpd_inf, Photo) == 152 && offsetof(Rpd_inf, URL) == 160 &&
                  offsetof(Rpd_inf, StartPath2) == 676 && sizeof(Rpd_inf) == 808,
              "Rpd_inf");
static_assert(offsetof(Rdp_inf, Mst_ConditionDisplayIDCnt) == 136 && offsetof(Rdp_inf, Mst_RelatedProductID) == 140 &&
                  sizeof(Rdp_inf) == 144,
              "Rdp_inf");

#endif
