#include <string.h>

#include "quillon.h"

// The text passed in is freed whether or not the new block could be had.
char* _add_str_(char* joined, const char* add)
{
    size_t length = strlen(add) + 1 + (joined ? strlen(joined) : 0);
    char* block = length <= 0x7FFFFFFF ? (char*)_get_mem_((int)length) : nullptr;
    if (block) {
        if (joined)
            strcpy(block, joined);
        strcat(block, add);
    }
    if (joined)
        _fre_mem_(joined);
    return block;
}

// Splits at the first byte of sep; empty pieces give no token.
int _get_tkn_(Lnk_inf* head, int* count, const char* text, const char* sep)
{
    if (count)
        *count = 0;
    _ini_lnk_(head);
    const char separator = sep[0];
    const char* piece = text;
    bool failed = false;
    for (;;) {
        const char* end = piece;
        while (*end != '\0' && *end != separator)
            ++end;
        int length = (int)(end - piece);
        if (length > 0) {
            Lnk_inf* node = _add_lnk_(head, nullptr, length + 1);
            if (!node) {
                failed = true;
                break;
            }
            _clr_mem_(LNK_DAT(node), length + 1);
            _cpy_mem_(LNK_DAT(node), piece, length);
            if (count)
                ++*count;
        }
        if (*end == '\0')
            break;
        piece = end + 1;
    }
    if (failed) {
        _fre_tkn_(head);
        if (count)
            *count = 0;
        return 0;
    }
    return 1;
}

void _fre_tkn_(Lnk_inf* head)
{
    _del_all_(head);
}
