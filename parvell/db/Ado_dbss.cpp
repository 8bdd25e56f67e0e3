// The connection and the statement cycle of the product database.
#include "Ado_dbss.h"

#include <limits.h>
#include <string.h>

#include <jet/connection.h>
#include <jet/errors.h>
#include <jet/query.h>
#include <platform/charset.h>

using jet::TADOConnection;
using jet::TADOQuery;
using jet::TField;

Lnk_inf dbs_lst;
Lnk_inf* cur_dbs;

namespace {

const char kProvider[] = "Provider=Microsoft.Jet.OLEDB.4.0";
const char kUser[] = ";User ID=";
const char kSource[] = ";Data Source=";
const char kPersist[] = ";Persist Security Info=False";
const char kPassword[] = ";Jet OLEDB:Database Password=";

Dbs_inf* dbs_of(Lnk_inf* dbs)
{
    if (!dbs)
        throw jet::no_connection_error();
    return (Dbs_inf*)LNK_DAT(dbs);
}

}  // namespace

Lnk_inf* ado_opn_(const char* fil, const char* usr, const char* pwd)
{
    const char* pieces[] = {kProvider, kUser, usr, kSource, fil, kPersist, kPassword, pwd};
    size_t total = 0;
    for (const char* p : pieces)
        total += strlen(p);
    if (total >= (size_t)INT_MAX)
        return nullptr;
    char* txt = (char*)_get_mem_((int)total + 1);
    if (!txt)
        return nullptr;
    size_t at = 0;
    for (const char* p : pieces) {
        size_t n = strlen(p);
        memcpy(txt + at, p, n);
        at += n;
    }

    Dbs_inf dbs = {nullptr, nullptr};
    bool opened = true;
    try {
        dbs.con = new TADOConnection();
        dbs.qry = new TADOQuery();
        dbs.con->LoginPrompt = false;
        dbs.con->ConnectionString = txt;
        dbs.con->Mode = jet::cmReadWrite;
        dbs.con->Open();
        dbs.qry->Connection = dbs.con;
    } catch (...) {
        opened = false;
    }
    _fre_mem_(txt);

    Lnk_inf* node = opened ? _add_lnk_(&dbs_lst, &dbs, (int)sizeof dbs) : nullptr;
    if (!node) {
        delete dbs.qry;
        delete dbs.con;
    }
    return node;
}

void ado_cls_(Lnk_inf* dbs)
{
    if (!dbs)
        return;
    Dbs_inf* d = (Dbs_inf*)LNK_DAT(dbs);
    if (d->con)
        d->con->Close();
    delete d->qry;
    delete d->con;
    _del_lnk_(&dbs_lst, dbs);
}

int32_t ado_qry_(Lnk_inf* dbs, const char* sql)
{
    TADOQuery* qry = dbs_of(dbs)->qry;
    qry->SQL.Clear();
    qry->SQL.Add(sql);
    qry->Open();
    qry->First();
    return qry->RecordCount();
}

void ado_get_(Lnk_inf* dbs, Col_inf* col, int32_t cnt)
{
    TADOQuery* qry = dbs_of(dbs)->qry;
    for (int32_t i = 0; i < cnt; ++i) {
        const Col_inf& c = col[i];
        switch (c.typ) {
        case COL_INT: *(int32_t*)c.dst = qry->FieldByName(c.nam)->AsInteger(); break;
        case COL_TXT:
            copy_sjis((char*)c.dst, c.siz > 0 ? (size_t)c.siz : 0, qry->FieldByName(c.nam)->AsString().c_str());
            break;
        case COL_FLT: *(double*)c.dst = qry->FieldByName(c.nam)->AsFloat(); break;
        case COL_BLB:
            if (qry->FieldByName(c.nam)->IsNull()) {
                *c.blb = nullptr;
            } else {
                jet::TStream* stream = qry->CreateBlobStream(qry->FieldByName(c.nam), jet::bmRead);
                stream->SetPosition(0);
                *c.blb = stream;
            }
            break;
        default: break;
        }
    }
    qry->Next();
}

void ado_end_(Lnk_inf* dbs)
{
    dbs_of(dbs)->qry->Close();
}

int32_t opn_dbs_(void)
{
    cur_dbs = ado_opn_("Parvell.mdb", "Admin", "q7154mvk--tpa");
    return cur_dbs ? 1 : 0;
}

void cls_dbs_(void)
{
    if (!cur_dbs)
        return;
    ado_cls_(cur_dbs);
    cur_dbs = nullptr;
}
