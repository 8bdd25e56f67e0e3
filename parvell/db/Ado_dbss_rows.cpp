// Descriptor templates and statements of the product tables.
#include "Ado_dbss.h"

#define DSC_TXT(rec, field) {nullptr, nullptr, #field, COL_TXT, (int32_t)sizeof(rec::field)}
#define DSC_INT(field) {nullptr, nullptr, #field, COL_INT, 0}
#define DSC_FLT(field) {nullptr, nullptr, #field, COL_FLT, 0}
#define DSC_BLB(field) {nullptr, nullptr, #field, COL_BLB, 0}

const Col_inf pip_col[PIP_COL] = {DSC_INT(ID), DSC_TXT(Pip_inf, Name)};
const Col_inf plc_col[PLC_COL] = {DSC_INT(ID), DSC_INT(Mst_PipeID), DSC_TXT(Plc_inf, Name)};
const Col_inf prd_col[PRD_COL] = {
    DSC_INT(ID), DSC_TXT(Prd_inf, Name), DSC_FLT(Life), DSC_TXT(Prd_inf, Dimension1), DSC_TXT(Prd_inf, Dimension2),
    DSC_BLB(Photo), DSC_BLB(Draft), DSC_TXT(Prd_inf, PartName), DSC_TXT(Prd_inf, MaterialName),
    DSC_TXT(Prd_inf, PartCnt), DSC_TXT(Prd_inf, URL)};
const Col_inf pdt_col[PDT_COL] = {DSC_INT(ID), DSC_INT(Mst_ProductID), DSC_TXT(Pdt_inf, Diameter),
                                  DSC_TXT(Pdt_inf, Length), DSC_FLT(MX), DSC_FLT(PX), DSC_FLT(Y), DSC_FLT(Press)};
const Col_inf cgp_col[CGP_COL] = {DSC_INT(ID), DSC_TXT(Cgp_inf, Detail)};
const Col_inf cdt_col[CDT_COL] = {DSC_INT(ID), DSC_INT(Mst_ConditionGroupID), DSC_TXT(Cdt_inf, Detail),
                                  DSC_FLT(Factor), DSC_FLT(DisplayValue), DSC_INT(DisplayValueType)};
const Col_inf ppl_col[PPL_COL] = {DSC_INT(ID), DSC_INT(Mst_PlaceID), DSC_INT(Mst_ProductID)};
const Col_inf cds_col[CDS_COL] = {DSC_INT(ID), DSC_INT(Mst_ConditionID), DSC_INT(Mst_ProductPlaceID)};
const Col_inf rpd_col[RPD_COL] = {
    DSC_INT(ID), DSC_TXT(Rpd_inf, Name), DSC_TXT(Rpd_inf, Dimension), DSC_BLB(Photo), DSC_TXT(Rpd_inf, URL),
    DSC_TXT(Rpd_inf, StartCaption1), DSC_TXT(Rpd_inf, StartPath1), DSC_TXT(Rpd_inf, StartCaption2),
    DSC_TXT(Rpd_inf, StartPath2)};
const Col_inf rdp_col[RDP_COL] = {DSC_INT(ID), DSC_TXT(Rdp_inf, Mst_ConditionDisplayID),
                                  DSC_INT(Mst_ConditionDisplayIDCnt), DSC_INT(Mst_RelatedProductID)};
const Col_inf ver_col[VER_COL] = {{nullptr, nullptr, "Version", COL_TXT, VER_LEN}};

#undef DSC_TXT
#undef DSC_INT
#undef DSC_FLT
#undef DSC_BLB

const char pip_sql[] = "SELECT * FROM Mst_Pipe ORDER BY ID";
const char plc_sql[] = "SELECT * FROM Mst_Place";
const char prd_sql[] = "SELECT * FROM Mst_Product ORDER BY ID";
const char pdt_sql[] = "SELECT * FROM Mst_ProductDetail";
const char cgp_sql[] = "SELECT * FROM Mst_ConditionGroup ORDER BY ID";
const char cdt_sql[] = "SELECT * FROM Mst_Condition";
const char ppl_sql[] = "SELECT * FROM Mst_ProductPlace";
const char cds_sql[] = "SELECT * FROM Mst_ConditionDisplay WHERE Invalidate=0";
const char rpd_sql[] = "SELECT * FROM Mst_RelatedProduct ORDER BY ID";
const char rdp_sql[] =
    "SELECT * from Mst_RelatedProductDisplay WHERE Invalidate=0 ORDER BY Mst_ConditionDisplayIDCnt DESC ";
const char ver_sql[] = "SELECT * FROM Version";
