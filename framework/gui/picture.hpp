#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class QImage;

namespace framework {

// An image loaded from the program's resources.
class Picture {
 public:
  explicit Picture(const QImage& image);
  ~Picture();
  int64_t Width() const;
  int64_t Height() const;
  const QImage& Image() const { return *image_; }

 private:
  std::unique_ptr<QImage> image_;
};

// The picture of that file name from the resources folder, or none when it is missing or not
// an image. The folder is "resources" beside the executable, the build's resources folder, or
// the installed data folder.
std::shared_ptr<Picture> RuntimeGetPictureFromResourceManager(const std::string& fileName);

// How many image files the loader has read so far (each successful load counts once).
int64_t PicturesLoaded();

// Where the loader looks, in order; replaces the default folders (for tests).
void SetResourceFolders(std::vector<std::filesystem::path> folders);
std::vector<std::filesystem::path> ResourceFolders();

}  // namespace framework
