#include "graphics/Png.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include "graphics/Tiles.h"

namespace quorvex {

namespace {

// Everything libpng's callbacks and the guarded part of the decoder touch.
// It lives in the caller's frame, so a longjmp out of libpng never skips a
// destructor.
struct ReadContext {
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t pos = 0;
    char message[256] = {};
    int maxColumns = 0;
    int maxRows = 0;
    // Filled by the guarded part.
    uint32_t width = 0;
    uint32_t height = 0;
    bool paletted = false;
    bool refusedSize = false;
    size_t rowBytes = 0;
    std::vector<uint8_t> pixels; // one byte per pixel (indexed) or three (RGB)
    std::vector<png_bytep> rows;
    std::vector<png_color> plte;
};

void ReadData(png_structp png, png_bytep out, png_size_t n)
{
    auto* ctx = static_cast<ReadContext*>(png_get_io_ptr(png));
    if (n > ctx->size - ctx->pos)
        png_error(png, "the file ends too early");
    std::memcpy(out, ctx->data + ctx->pos, n);
    ctx->pos += n;
}

void OnError(png_structp png, png_const_charp msg)
{
    auto* ctx = static_cast<ReadContext*>(png_get_error_ptr(png));
    std::snprintf(ctx->message, sizeof ctx->message, "%s", msg ? msg : "unknown error");
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

// Only trivially destructible locals here: libpng may longjmp out of any
// call below, back into DecodeGuarded.
void DecodeBody(png_structp png, png_infop info, ReadContext* ctx)
{
    png_read_info(png, info);
    png_uint_32 w = 0, h = 0;
    int depth = 0, type = 0, interlace = 0;
    png_get_IHDR(png, info, &w, &h, &depth, &type, &interlace, nullptr, nullptr);
    ctx->width = w;
    ctx->height = h;
    if (w % 8 != 0 || h % 8 != 0)
        return;
    if (w / 8 > static_cast<png_uint_32>(ctx->maxColumns) || h / 8 > static_cast<png_uint_32>(ctx->maxRows)) {
        ctx->refusedSize = true;
        return;
    }
    ctx->paletted = type == PNG_COLOR_TYPE_PALETTE;
    if (ctx->paletted) {
        png_colorp plte = nullptr;
        int count = 0;
        if (png_get_PLTE(png, info, &plte, &count) == 0 || count <= 0)
            png_error(png, "the palette is missing");
        ctx->plte.assign(plte, plte + count);
        png_set_packing(png);
    } else {
        // Any other form becomes 8-bit RGB; alpha and transparency carry
        // nothing a tile can hold.
        png_set_strip_16(png);
        png_set_strip_alpha(png);
        if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA) {
            png_set_expand_gray_1_2_4_to_8(png);
            png_set_gray_to_rgb(png);
        }
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    ctx->rowBytes = png_get_rowbytes(png, info);
    if (ctx->rowBytes != static_cast<size_t>(w) * (ctx->paletted ? 1 : 3))
        png_error(png, "unexpected pixel layout");
    ctx->pixels.resize(ctx->rowBytes * h);
    ctx->rows.resize(h);
    for (png_uint_32 y = 0; y < h; ++y)
        ctx->rows[y] = ctx->pixels.data() + ctx->rowBytes * y;
    png_read_image(png, ctx->rows.data());
}

bool DecodeGuarded(png_structp png, png_infop info, ReadContext* ctx)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    DecodeBody(png, info, ctx);
    return true;
}

std::string TooLarge(uint32_t w, uint32_t h, int maxColumns, int maxRows)
{
    char text[200];
    std::snprintf(text, sizeof text, "Error: the image (%ux%u) is larger than the graphic (%dx%d)", w, h,
                  maxColumns * 8, maxRows * 8);
    return text;
}

int Fail(PngImportResult& result, const std::string& text)
{
    result = {};
    result.error = text;
    return kPngFailed;
}

// The decoded pixels cut into tiles, with the colours collected.
int MakeTiles(const ReadContext& ctx, int paletteCapacity, PngImportResult& result)
{
    result.columns = static_cast<int>(ctx.width / 8);
    result.rows = static_cast<int>(ctx.height / 8);
    result.tiles.assign(static_cast<size_t>(result.Cells()), {});
    result.palette.clear();
    if (ctx.paletted)
        for (size_t i = 0; i < ctx.plte.size() && static_cast<int>(i) < paletteCapacity; ++i) {
            const png_color& c = ctx.plte[i];
            result.palette.push_back(RgbToSnes(c.red | (c.green << 8) | (c.blue << 16)));
        }
    for (uint32_t y = 0; y < ctx.height; ++y) {
        const uint8_t* row = ctx.pixels.data() + ctx.rowBytes * y;
        for (uint32_t x = 0; x < ctx.width; ++x) {
            int index = 0;
            if (ctx.paletted) {
                index = row[x];
                if (index >= static_cast<int>(ctx.plte.size()))
                    return Fail(result, "Error: a pixel uses a colour the palette does not have");
                if (index >= paletteCapacity) {
                    result = {};
                    result.error = "Pixel data deeper than what SNES palette can hold";
                    return kPngTooManyColors;
                }
            } else {
                const uint8_t* p = row + 3 * x;
                const SnesColor c = RgbToSnes(p[0] | (p[1] << 8) | (p[2] << 16));
                while (index < result.ColorCount() && result.palette[static_cast<size_t>(index)] != c)
                    ++index;
                if (index == result.ColorCount()) {
                    if (index >= paletteCapacity) {
                        result = {};
                        result.error = "Pixel data deeper than what SNES palette can hold";
                        return kPngTooManyColors;
                    }
                    result.palette.push_back(c);
                }
            }
            auto& tile = result.tiles[(y / 8) * static_cast<size_t>(result.columns) + x / 8];
            SetTilePixel4bpp(tile.data(), static_cast<int>(x % 8), static_cast<int>(y % 8), index);
        }
    }
    return kPngOk;
}

} // namespace

int ImportPngBytes(const uint8_t* data, size_t size, int maxColumns, int maxRows, int paletteCapacity,
                   PngImportResult& result)
{
    if (size < 29)
        return Fail(result, "Error: file is smaller than it should be");
    if (png_sig_cmp(data, 0, 8) != 0)
        return Fail(result, "Error: not a PNG file");
    // The header chunk comes first in every PNG; its size is checked before
    // libpng reads any further chunk, so a file declaring a huge picture is
    // refused without anything being read or allocated for it.
    if (std::memcmp(data + 12, "IHDR", 4) == 0) {
        auto be32 = [data](size_t at) {
            return static_cast<uint32_t>(data[at]) << 24 | data[at + 1] << 16 | data[at + 2] << 8 | data[at + 3];
        };
        const uint32_t w = be32(16), h = be32(20);
        if (w % 8 != 0 || h % 8 != 0)
            return Fail(result, "Error: dimensions must be a multiple of 8");
        if (w / 8 > static_cast<uint32_t>(maxColumns) || h / 8 > static_cast<uint32_t>(maxRows))
            return Fail(result, TooLarge(w, h, maxColumns, maxRows));
    }
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return Fail(result, "Error: not enough memory to read the file");
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return Fail(result, "Error: not enough memory to read the file");
    }
    ReadContext ctx;
    ctx.data = data;
    ctx.size = size;
    ctx.maxColumns = maxColumns;
    ctx.maxRows = maxRows;
    png_set_error_fn(png, &ctx, OnError, OnWarning);
    png_set_read_fn(png, &ctx, ReadData);
    // A damaged chunk of any kind stops the import, as the file cannot be
    // trusted; ancillary chunks may not hold more than a few megabytes.
    png_set_crc_action(png, PNG_CRC_ERROR_QUIT, PNG_CRC_ERROR_QUIT);
    png_set_chunk_malloc_max(png, 8u << 20);
    // Text, colour profiles and the like carry nothing a tile needs: they
    // are skipped unread (their CRC is still checked), so that a small file
    // of many compressed chunks cannot make the import inflate megabytes.
    static const png_byte kSkipped[] = "tEXt\0zTXt\0iTXt\0iCCP\0sPLT\0eXIf\0";
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, kSkipped, 6);
    png_set_chunk_cache_max(png, 64);
    // Our own size check, against the graphic, comes right after the header;
    // nothing is allocated for the pixels before it.
    png_set_user_limits(png, 0x7FFFFFFF, 0x7FFFFFFF);
    const bool decoded = DecodeGuarded(png, info, &ctx);
    png_destroy_read_struct(&png, &info, nullptr);
    if (!decoded) {
        if (std::strstr(ctx.message, "CRC"))
            return Fail(result, "CRC error while parsing file");
        return Fail(result, std::string("Error: the file is not a readable PNG image (") + ctx.message + ")");
    }
    if (ctx.width % 8 != 0 || ctx.height % 8 != 0)
        return Fail(result, "Error: dimensions must be a multiple of 8");
    if (ctx.refusedSize)
        return Fail(result, TooLarge(ctx.width, ctx.height, maxColumns, maxRows));
    return MakeTiles(ctx, paletteCapacity, result);
}

int ImportPng(const std::string& path, int maxColumns, int maxRows, int paletteCapacity, PngImportResult& result)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return Fail(result, "Error: could not read file completely");
    std::vector<uint8_t> bytes;
    long length = -1;
    if (std::fseek(f, 0, SEEK_END) == 0)
        length = std::ftell(f);
    std::rewind(f);
    if (length < 0) {
        std::fclose(f);
        return Fail(result, "Error: could not read file completely");
    }
    if (length < 29) {
        std::fclose(f);
        return Fail(result, "Error: file is smaller than it should be");
    }
    if (static_cast<size_t>(length) > kPngMaxFileBytes) {
        std::fclose(f);
        return Fail(result, "Error: file is larger than any image of a graphic can be");
    }
    bytes.resize(static_cast<size_t>(length));
    const size_t got = std::fread(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    if (got != bytes.size())
        return Fail(result, "Error: could not read file completely");
    return ImportPngBytes(bytes.data(), bytes.size(), maxColumns, maxRows, paletteCapacity, result);
}

namespace {

struct WriteContext {
    std::vector<uint8_t>* out = nullptr;
    std::vector<png_bytep> rows;
};

void WriteData(png_structp png, png_bytep data, png_size_t n)
{
    auto* ctx = static_cast<WriteContext*>(png_get_io_ptr(png));
    ctx->out->insert(ctx->out->end(), data, data + n);
}

void FlushData(png_structp) {}

void OnWriteError(png_structp png, png_const_charp) { png_longjmp(png, 1); }

bool EncodeGuarded(png_structp png, png_infop info, WriteContext* ctx)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_write_info(png, info);
    png_write_image(png, ctx->rows.data());
    png_write_end(png, info);
    return true;
}

} // namespace

bool EncodePng(const PixelBuffer& pixels, const std::array<SnesColor, 16>& palette, const std::string& software,
               std::vector<uint8_t>& out)
{
    out.clear();
    if (pixels.Width() <= 0 || pixels.Height() <= 0)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnWriteError, OnWarning);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    WriteContext ctx;
    ctx.out = &out;
    png_set_write_fn(png, &ctx, WriteData, FlushData);
    png_set_IHDR(png, info, static_cast<png_uint_32>(pixels.Width()), static_cast<png_uint_32>(pixels.Height()), 8,
                 PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_color plte[16];
    for (size_t i = 0; i < 16; ++i) {
        const uint32_t rgb = SnesToRgbFile(palette[i]);
        plte[i] = {static_cast<png_byte>(rgb >> 16), static_cast<png_byte>(rgb >> 8), static_cast<png_byte>(rgb)};
    }
    png_set_PLTE(png, info, plte, 16);
    // Entry 0 is the transparent colour of sprites and wallpapers.
    png_byte alpha[1] = {0};
    png_set_tRNS(png, info, alpha, 1, nullptr);
    png_text text{};
    text.compression = PNG_TEXT_COMPRESSION_NONE;
    text.key = const_cast<png_charp>("Software");
    text.text = const_cast<png_charp>(software.c_str());
    png_set_text(png, info, &text, 1);
    ctx.rows.resize(static_cast<size_t>(pixels.Height()));
    std::vector<uint8_t> copy = pixels.Pixels();
    for (uint8_t& v : copy)
        v &= 15;
    for (int y = 0; y < pixels.Height(); ++y)
        ctx.rows[static_cast<size_t>(y)] = copy.data() + static_cast<size_t>(y) * static_cast<size_t>(pixels.Width());
    const bool ok = EncodeGuarded(png, info, &ctx);
    png_destroy_write_struct(&png, &info);
    if (!ok)
        out.clear();
    return ok;
}

int ExportPng(const std::string& path, const uint8_t* tiles, int tileCount, const Arrangement& arr,
              const std::array<SnesColor, 16>& palette, const std::string& software)
{
    std::vector<uint8_t> bytes;
    if (!EncodePng(AssembleArrangement(tiles, tileCount, arr), palette, software, bytes))
        return 1;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return 1;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    if (std::fclose(f) != 0 || !written) {
        std::remove(path.c_str());
        return 1;
    }
    return 0;
}

std::string PngSoftwareText(int major, int minor, int patch)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "Quorvex version %d.%d.%d", major, minor, patch);
    return buf;
}

} // namespace quorvex
