#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace framework {

// Reads a text line by line. A line ends at CR LF, LF or CR; a line end at the very end of
// the text does not make one more, empty line, and an empty text reads as one empty line.
// A UTF-8 byte-order mark at the very start of the text is dropped, as editors on Windows
// write one in front of the first line; every other byte is passed on as it is.
class TextInputStream {
 public:
  // Reads from an open file, which the stream then owns.
  explicit TextInputStream(std::FILE* file);
  // Reads from text held in memory.
  explicit TextInputStream(std::string text);
  ~TextInputStream();
  TextInputStream(const TextInputStream&) = delete;
  TextInputStream& operator=(const TextInputStream&) = delete;

  // The next line without its line end; "" once the text is used up.
  std::string ReadLine();
  // True once the last line has been read.
  bool EndOfFile();
  // True when reading from the file failed: the lines read so far are not the whole file.
  bool ReadError() const { return readError_; }
  void Close();

 private:
  int Peek();
  bool Fill();
  void SkipByteOrderMark();

  std::FILE* file_ = nullptr;
  std::string buffer_;
  std::size_t position_ = 0;
  bool readError_ = false;
  bool started_ = false;  // the start of the text has been looked at for a byte-order mark
};

// A file named by its path.
class FolderItem {
 public:
  explicit FolderItem(std::filesystem::path path) : path_(std::move(path)) {}

  bool Exists() const;
  // The name without its folder path.
  std::string Name() const;
  const std::filesystem::path& Path() const { return path_; }
  // A stream at the start of the file, or none when the file cannot be opened for reading.
  std::unique_ptr<TextInputStream> OpenAsTextFile() const;

 private:
  std::filesystem::path path_;
};

}  // namespace framework
