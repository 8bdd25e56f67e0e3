#include "quillon.h"

void _ini_lnk_(Lnk_inf* head)
{
    head->prv = nullptr;
    head->nxt = nullptr;
}

Lnk_inf* _add_lnk_(Lnk_inf* head, const void* data, int size)
{
    if (size < 0 || size > 0x7FFFFFFF - (int)sizeof(Lnk_inf))
        return nullptr;
    Lnk_inf* node = (Lnk_inf*)_get_mem_(size + (int)sizeof(Lnk_inf));
    if (!node)
        return nullptr;
    Lnk_inf* last = _lst_lnk_(head);
    Lnk_inf* prev = last ? last : head;
    prev->nxt = node;
    node->prv = prev;
    if (data)
        _cpy_mem_(LNK_DAT(node), data, size);
    return node;
}

Lnk_inf* _nxt_lnk_(Lnk_inf* head, Lnk_inf* node)
{
    if (!head->nxt)
        return nullptr;
    return node ? node->nxt : head->nxt;
}

// The head keeps no tail pointer: the last node is found by walking.
Lnk_inf* _lst_lnk_(Lnk_inf* head)
{
    Lnk_inf* node = _nxt_lnk_(head, nullptr);
    if (!node)
        return nullptr;
    while (node->nxt)
        node = node->nxt;
    return node;
}

// The first node's prv is the head, so unlinking it updates the head too.
void _del_lnk_(Lnk_inf*, Lnk_inf* node)
{
    Lnk_inf* prev = node->prv;
    Lnk_inf* next = node->nxt;
    prev->nxt = next;
    if (next)
        next->prv = prev;
    _fre_mem_(node);
}

int _cnt_lnk_(Lnk_inf* head)
{
    int count = 0;
    for (Lnk_inf* node = _nxt_lnk_(head, nullptr); node; node = _nxt_lnk_(head, node))
        ++count;
    return count;
}

void _del_all_(Lnk_inf* head)
{
    if (head->nxt) {
        Lnk_inf* node = head->nxt;
        while (node) {
            Lnk_inf* next = node->nxt;
            _fre_mem_(node);
            node = next;
        }
        head->nxt = nullptr;
    }
    _ini_lnk_(head);
}
