#include "jpeg_messages.h"

#include <stdio.h>

#include <jerror.h>

namespace {

// The sentence for a code, or null where the code number alone is shown.
const char* sentence_of(int code)
{
    switch (code) {
    case JERR_NO_SOI: return "JPEG ファイルではありません";
    case JERR_ARITH_NOTIMPL: return "算術符号化の JPEG イメージには対応していません";
    case JERR_INPUT_EMPTY: return "JPEG データがありません";
    case JERR_INPUT_EOF:
    case JWRN_JPEG_EOF: return "JPEG データが途中で終わっています";
    case JWRN_HIT_MARKER:
    case JWRN_EXTRANEOUS_DATA:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_MUST_RESYNC:
    case JWRN_NOT_SEQUENTIAL:
    case JWRN_BOGUS_PROGRESSION:
    case JERR_BAD_LENGTH:
    case JERR_BAD_HUFF_TABLE:
    case JERR_EMPTY_IMAGE:
    case JERR_NO_IMAGE:
    case JERR_SOF_NO_SOS:
    case JERR_SOI_DUPLICATE:
    case JERR_SOS_NO_SOF: return "JPEG イメージが壊れています";
    default: return nullptr;
    }
}

}  // namespace

const char jpeg_too_large_text[] = "JPEG イメージが大きすぎます。";

std::string jpeg_error_text(int code)
{
    // libjpeg-turbo has no backing store: a buffer beyond the memory bound
    // fails as one.
    if (code == JERR_NO_BACKING_STORE || code == JERR_OUT_OF_MEMORY)
        return jpeg_too_large_text;
    char text[128];
    const char* sentence = sentence_of(code);
    if (sentence)
        snprintf(text, sizeof text, "%s (JPEG エラー #%d)", sentence, code);
    else
        snprintf(text, sizeof text, "JPEG エラー #%d", code);
    return text;
}

std::string jpeg_too_many_scans_text(int limit)
{
    char text[128];
    snprintf(text, sizeof text, "JPEG イメージのスキャンが多すぎます (上限 %d)", limit);
    return text;
}
