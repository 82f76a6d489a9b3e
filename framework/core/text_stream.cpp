#include "framework/core/text_stream.hpp"

#include <array>
#include <string_view>
#include <system_error>

namespace framework {

TextInputStream::TextInputStream(std::FILE* file) : file_(file) {}

TextInputStream::TextInputStream(std::string text) : buffer_(std::move(text)) {}

TextInputStream::~TextInputStream() { Close(); }

void TextInputStream::Close() {
  if (file_ != nullptr) {
    std::fclose(file_);
    file_ = nullptr;
  }
}

bool TextInputStream::Fill() {
  if (file_ == nullptr || readError_) return false;
  std::array<char, 64 * 1024> chunk{};
  const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), file_);
  if (got == 0) {
    if (std::ferror(file_) != 0) readError_ = true;
    Close();
    return false;
  }
  buffer_.erase(0, position_);
  position_ = 0;
  buffer_.append(chunk.data(), got);
  return true;
}

void TextInputStream::SkipByteOrderMark() {
  started_ = true;
  static constexpr std::string_view kMark = "\xEF\xBB\xBF";
  while (buffer_.size() - position_ < kMark.size() && Fill()) {
  }
  if (std::string_view(buffer_).substr(position_, kMark.size()) == kMark) {
    position_ += kMark.size();
  }
}

int TextInputStream::Peek() {
  if (!started_) SkipByteOrderMark();
  if (position_ >= buffer_.size() && !Fill()) return EOF;
  return static_cast<unsigned char>(buffer_[position_]);
}

std::string TextInputStream::ReadLine() {
  std::string line;
  // A line is taken from the buffer a run at a time; it may go on in the next chunk.
  while (Peek() != EOF) {
    std::size_t end = position_;
    while (end < buffer_.size() && buffer_[end] != '\n' && buffer_[end] != '\r') ++end;
    line.append(buffer_, position_, end - position_);
    position_ = end;
    if (end == buffer_.size()) continue;
    const char lineEnd = buffer_[position_++];
    if (lineEnd == '\r' && Peek() == '\n') ++position_;
    return line;
  }
  return line;
}

bool TextInputStream::EndOfFile() { return Peek() == EOF; }

bool FolderItem::Exists() const {
  std::error_code error;
  return std::filesystem::exists(path_, error);
}

std::string FolderItem::Name() const {
  // UTF-8 on every system and with every standard library: on Windows, Microsoft's string()
  // converts through the ANSI code page, which cannot hold every name.
  const std::u8string name = path_.filename().u8string();
  return std::string(name.begin(), name.end());
}

std::unique_ptr<TextInputStream> FolderItem::OpenAsTextFile() const {
  std::error_code error;
  if (std::filesystem::is_directory(path_, error)) return nullptr;
#ifdef _WIN32
  // Windows paths are wide; the narrow fopen would take the ANSI code page and miss names
  // outside it.
  std::FILE* file = _wfopen(path_.c_str(), L"rb");
#else
  std::FILE* file = std::fopen(path_.c_str(), "rb");
#endif
  if (file == nullptr) return nullptr;
  return std::make_unique<TextInputStream>(file);
}

}  // namespace framework
