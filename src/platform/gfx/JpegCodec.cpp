// JPEG through libjpeg. The library reports errors by calling a function
// that must not return; ours jumps back to a setjmp in the small functions
// below, which hold no objects with destructors, so that the jump skips no
// clean-up. Everything that owns memory lives outside them.

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <jpeglib.h>

#include "platform/gfx/ImageCodecs.h"

namespace gfx {

namespace {

struct ErrorManager {
  jpeg_error_mgr pub;  // first, so the library's pointer is also ours
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

// Warnings (a corrupt but recoverable stream) are not worth reporting: the
// picture still shows. They must not print to the terminal either.
void OutputMessage(j_common_ptr) {}

struct Decoder {
  jpeg_decompress_struct cinfo;
  ErrorManager err;
  jpeg_progress_mgr progress;
  int maxScans;
  bool tooManyScans;
};

void Progress(j_common_ptr common) {
  auto* cinfo = reinterpret_cast<j_decompress_ptr>(common);
  // The decoder struct starts with cinfo, so its address is the Decoder's.
  auto* dec = reinterpret_cast<Decoder*>(cinfo);
  if (cinfo->is_decompressor && cinfo->input_scan_number > dec->maxScans) {
    dec->tooManyScans = true;
    std::snprintf(dec->err.message, sizeof(dec->err.message), "too many progressive scans");
    std::longjmp(dec->err.jump, 1);
  }
}

// Reads the header. Returns false with err.message set on failure.
bool ReadHeader(Decoder* dec, const std::uint8_t* data, unsigned long size, long maxMemory) {
  dec->cinfo.err = jpeg_std_error(&dec->err.pub);
  dec->err.pub.error_exit = ErrorExit;
  dec->err.pub.output_message = OutputMessage;
  dec->err.message[0] = '\0';
  if (setjmp(dec->err.jump))
    return false;
  jpeg_create_decompress(&dec->cinfo);
  dec->cinfo.mem->max_memory_to_use = maxMemory;
  dec->progress.progress_monitor = Progress;
  dec->cinfo.progress = &dec->progress;
  jpeg_mem_src(&dec->cinfo, data, size);
  jpeg_read_header(&dec->cinfo, TRUE);
  return true;
}

// Decodes every row into `pixels` (32-bit, `stride` bytes per row); CMYK
// pictures go through `scratch` (4 bytes per pixel of one row).
bool ReadPixels(Decoder* dec, unsigned char* pixels, std::size_t stride, unsigned char* scratch) {
  if (setjmp(dec->err.jump))
    return false;
  j_decompress_ptr cinfo = &dec->cinfo;
  const bool cmyk = cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK;
  cinfo->out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
  jpeg_start_decompress(cinfo);
  while (cinfo->output_scanline < cinfo->output_height) {
    unsigned char* row = pixels + cinfo->output_scanline * stride;
    JSAMPROW target = cmyk ? scratch : row;
    if (jpeg_read_scanlines(cinfo, &target, 1) != 1)
      break;  // the stream ended early: keep the rows already decoded
    if (cmyk) {
      // Inverted CMYK, as the common editors store it.
      for (JDIMENSION x = 0; x < cinfo->output_width; ++x) {
        const unsigned c = scratch[4 * x], m = scratch[4 * x + 1], y = scratch[4 * x + 2],
                       k = scratch[4 * x + 3];
        row[4 * x] = static_cast<unsigned char>(y * k / 255);
        row[4 * x + 1] = static_cast<unsigned char>(m * k / 255);
        row[4 * x + 2] = static_cast<unsigned char>(c * k / 255);
      }
    }
  }
  jpeg_finish_decompress(cinfo);
  return true;
}

struct Encoder {
  jpeg_compress_struct cinfo;
  ErrorManager err;
  unsigned char* out;
  unsigned long outSize;
};

bool Compress(Encoder* enc, const unsigned char* pixels, std::size_t stride, int width, int height,
              int quality, bool progressive) {
  enc->cinfo.err = jpeg_std_error(&enc->err.pub);
  enc->err.pub.error_exit = ErrorExit;
  enc->err.pub.output_message = OutputMessage;
  enc->err.message[0] = '\0';
  if (setjmp(enc->err.jump))
    return false;
  jpeg_create_compress(&enc->cinfo);
  jpeg_mem_dest(&enc->cinfo, &enc->out, &enc->outSize);
  enc->cinfo.image_width = static_cast<JDIMENSION>(width);
  enc->cinfo.image_height = static_cast<JDIMENSION>(height);
  enc->cinfo.input_components = 4;
  enc->cinfo.in_color_space = JCS_EXT_BGRX;
  jpeg_set_defaults(&enc->cinfo);
  jpeg_set_quality(&enc->cinfo, quality, TRUE);
  if (progressive)
    jpeg_simple_progression(&enc->cinfo);
  jpeg_start_compress(&enc->cinfo, TRUE);
  while (enc->cinfo.next_scanline < enc->cinfo.image_height) {
    auto row = const_cast<JSAMPROW>(pixels + enc->cinfo.next_scanline * stride);
    jpeg_write_scanlines(&enc->cinfo, &row, 1);
  }
  jpeg_finish_compress(&enc->cinfo);
  return true;
}

}  // namespace

DecodedImage DecodeJpeg(std::span<const std::uint8_t> bytes, const ImageLimits& limits) {
  DecodedImage result;
  if (bytes.size() < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8) {
    result.error = "not a JPEG file";
    return result;
  }
  Decoder dec{};
  dec.maxScans = limits.maxProgressiveScans;
  const bool headerOk = ReadHeader(&dec, bytes.data(), static_cast<unsigned long>(bytes.size()),
                                   static_cast<long>(limits.maxDecoderMemory));
  if (headerOk) {
    const auto width = static_cast<std::int64_t>(dec.cinfo.image_width);
    const auto height = static_cast<std::int64_t>(dec.cinfo.image_height);
    if (width <= 0 || height <= 0 || width > limits.maxDimension || height > limits.maxDimension ||
        width * height > limits.maxPixels) {
      result.error = "JPEG is too large";
    } else {
      result.bitmap = Bitmap(static_cast<int>(width), static_cast<int>(height));
      // Only CMYK pictures need a row of their own before conversion.
      std::vector<unsigned char> scratch;
      if (dec.cinfo.jpeg_color_space == JCS_CMYK || dec.cinfo.jpeg_color_space == JCS_YCCK)
        scratch.resize(static_cast<std::size_t>(width) * 4);
      if (ReadPixels(&dec, reinterpret_cast<unsigned char*>(result.bitmap.Bits()),
                     static_cast<std::size_t>(result.bitmap.Stride()), scratch.data())) {
        // The decoder fills the unused byte; keep it at 0 like all pixels.
        Pixel* px = result.bitmap.Bits();
        for (std::size_t i = 0, n = static_cast<std::size_t>(width * height); i < n; ++i)
          px[i] &= 0x00FFFFFF;
        result.bytesUsed = bytes.size();
      } else {
        result.bitmap = Bitmap();
        result.error = dec.err.message[0] ? dec.err.message : "JPEG data is damaged";
      }
    }
  } else {
    result.error = dec.err.message[0] ? dec.err.message : "JPEG header is damaged";
  }
  jpeg_destroy_decompress(&dec.cinfo);
  return result;
}

EncodedImage EncodeJpeg(const Bitmap& bitmap, int quality, bool progressive) {
  EncodedImage result;
  if (bitmap.IsEmpty()) {
    result.error = "nothing to encode";
    return result;
  }
  Encoder enc{};
  const bool ok = Compress(&enc, reinterpret_cast<const unsigned char*>(bitmap.Bits()),
                           static_cast<std::size_t>(bitmap.Stride()), bitmap.Width(),
                           bitmap.Height(), std::clamp(quality, 1, 100), progressive);
  if (ok && enc.out)
    result.bytes.assign(enc.out, enc.out + enc.outSize);
  else
    result.error = enc.err.message[0] ? enc.err.message : "JPEG encoding failed";
  jpeg_destroy_compress(&enc.cinfo);
  std::free(enc.out);
  return result;
}

}  // namespace gfx
