#include "dialogs/jpeg/JpegDecoder.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE and size_t first
#include <new>

#include <jpeglib.h>

namespace {

// libjpeg's error manager, extended by the place to jump back to and the
// message of the error that ended the decoding.
struct TErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf resume;
  char message[JMSG_LENGTH_MAX];
};

// libjpeg calls this instead of exiting; it returns through longjmp to the
// decoding function, over libjpeg's C frames only.
[[noreturn]] void ErrorExit(j_common_ptr info) {
  auto* manager = reinterpret_cast<TErrorManager*>(info->err);
  (*info->err->format_message)(info, manager->message);
  std::longjmp(manager->resume, 1);
}

// A warning means damaged data that libjpeg would paper over with grey
// rows; a picture shown half grey is no better than an error. Trace
// messages (level > 0) are dropped.
void EmitMessage(j_common_ptr info, int level) {
  if (level < 0) ErrorExit(info);
}

struct TDecoding {
  jpeg_decompress_struct info{};
  TErrorManager error{};
  TRgbPicture picture;
  const char* refusal = nullptr; // a reason of ours to stop, not libjpeg's
};

// The rows' memory, or false when there is none to be had.
bool AllocateRows(TRgbPicture& picture, JDIMENSION width, JDIMENSION height) {
  picture.Width = static_cast<int>(width);
  picture.Height = static_cast<int>(height);
  try {
    picture.Rgb.resize(std::size_t{width} * height * 3);
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

// Runs libjpeg on `data`; false when it gave up, with the reason in
// `decoding`. Every object that outlives a jump lives in `decoding`, in the
// caller's frame: this frame holds nothing that a longjmp could leave
// half-built.
bool Decode(TDecoding& decoding, std::span<const unsigned char> data) {
  jpeg_decompress_struct& info = decoding.info;
  info.err = jpeg_std_error(&decoding.error.base);
  decoding.error.base.error_exit = ErrorExit;
  decoding.error.base.emit_message = EmitMessage;
  if (setjmp(decoding.error.resume) != 0) return false;

  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
  jpeg_read_header(&info, TRUE);
  if (info.progressive_mode || info.arith_code) {
    decoding.refusal = "not a baseline image";
    return false;
  }
  if (static_cast<long long>(info.image_width) * info.image_height > MaxJpegPixels) {
    decoding.refusal = "picture too large";
    return false;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (!AllocateRows(decoding.picture, info.output_width, info.output_height)) {
    decoding.refusal = "out of memory";
    return false;
  }
  const std::size_t rowBytes = std::size_t{info.output_width} * 3;
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = decoding.picture.Rgb.data() + info.output_scanline * rowBytes;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  return true;
}

} // namespace

TRgbPicture DecodeJpeg(std::span<const unsigned char> data) {
  TDecoding decoding;
  const bool decoded = Decode(decoding, data);
  jpeg_destroy_decompress(&decoding.info);
  if (!decoded)
    throw EJpegError(decoding.refusal != nullptr ? decoding.refusal : decoding.error.message);
  return std::move(decoding.picture);
}
