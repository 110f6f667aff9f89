#include "jpeg_check.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE

#include <jpeglib.h>
// After jpeglib.h, whose configuration says which of its messages exist.
#include <jerror.h>

namespace twindle::family {

namespace {

// libjpeg reports trouble through these; longjmp leaves it, as its own documentation does.
// Nothing between the setjmp and a longjmp below has a destructor to skip.
struct StrictErrors {
    jpeg_error_mgr manager;  // first, so that libjpeg's pointer to it points to the whole
    std::jmp_buf escape;
};

[[noreturn]] void escape(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<StrictErrors*>(info->err)->escape, 1);
}

// The warnings that say the picture's data is damaged or missing. Others, such as a few stray
// bytes before a marker or an unknown JFIF revision, come with photos that show perfectly.
bool meansDamage(int code)
{
    switch (code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_ARITH_BAD_CODE:
    case JWRN_MUST_RESYNC:
    case JWRN_BOGUS_PROGRESSION:
    case JWRN_NOT_SEQUENTIAL:
        return true;
    default:
        return false;
    }
}

void onMessage(j_common_ptr info, int level)
{
    if (level < 0 && meansDamage(info->err->msg_code))  // level -1 is a warning, others traces
        escape(info);
}

void readToTheEnd(jpeg_decompress_struct& info, const QByteArray& image)
{
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(image.constData()),
                 static_cast<unsigned long>(image.size()));
    jpeg_read_header(&info, TRUE);
    info.scale_num = 1;
    info.scale_denom = 8;
    info.dct_method = JDCT_IFAST;
    info.do_fancy_upsampling = FALSE;
    jpeg_start_decompress(&info);
    // From libjpeg's own pool, which jpeg_destroy_decompress frees, however it ends.
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * info.output_components, 1);
    while (info.output_scanline < info.output_height)
        jpeg_read_scanlines(&info, row, 1);
    jpeg_finish_decompress(&info);
}

} // namespace

bool isWholeJpeg(const QByteArray& image)
{
    jpeg_decompress_struct info{};
    StrictErrors errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = escape;
    errors.manager.emit_message = onMessage;
    volatile bool whole = false;
    if (setjmp(errors.escape) == 0) {
        readToTheEnd(info, image);
        whole = true;
    }
    jpeg_destroy_decompress(&info);
    return whole;
}

} // namespace twindle::family
