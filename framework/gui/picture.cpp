#include "framework/gui/picture.hpp"

#include <QCoreApplication>
#include <QImage>
#include <optional>

namespace framework {

namespace {
std::optional<std::vector<std::filesystem::path>> chosenFolders;
int64_t loadedCount = 0;
}  // namespace

Picture::Picture(const QImage& image) : image_(std::make_unique<QImage>(image)) {}
Picture::~Picture() = default;
int64_t Picture::Width() const { return image_->width(); }
int64_t Picture::Height() const { return image_->height(); }

void SetResourceFolders(std::vector<std::filesystem::path> folders) {
  chosenFolders = std::move(folders);
}

std::vector<std::filesystem::path> ResourceFolders() {
  if (chosenFolders) return *chosenFolders;
  const std::filesystem::path exe = QCoreApplication::applicationDirPath().toStdString();
  return {exe / "resources", exe.parent_path() / "resources",
          exe.parent_path() / "share" / "dalvenquist" / "resources"};
}

std::shared_ptr<Picture> RuntimeGetPictureFromResourceManager(const std::string& fileName) {
  for (const std::filesystem::path& folder : ResourceFolders()) {
    const std::filesystem::path file = folder / fileName;
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) continue;
    QImage image;
    if (image.load(QString::fromStdString(file.string()))) {
      ++loadedCount;
      return std::make_shared<Picture>(image);
    }
  }
  return nullptr;
}

int64_t PicturesLoaded() { return loadedCount; }

}  // namespace framework
