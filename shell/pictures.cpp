#include "shell/pictures.hpp"

namespace {

// A picture that could not be loaded is asked for again next time.
std::shared_ptr<framework::Picture> Cached(std::shared_ptr<framework::Picture>& cache,
                                           const char* fileName) {
  if (!cache) cache = framework::RuntimeGetPictureFromResourceManager(fileName);
  return cache;
}

std::shared_ptr<framework::Picture> dalvtitleCache, quesCache, oneCache, twoCache,
    tarvolen21Cache;

}  // namespace

std::shared_ptr<framework::Picture> Dalvtitle() { return Cached(dalvtitleCache, "Dalvtitle.png"); }
std::shared_ptr<framework::Picture> Ques() { return Cached(quesCache, "Ques.png"); }
std::shared_ptr<framework::Picture> One() { return Cached(oneCache, "One.png"); }
std::shared_ptr<framework::Picture> Two() { return Cached(twoCache, "Two.png"); }
std::shared_ptr<framework::Picture> Tarvolen21() {
  return Cached(tarvolen21Cache, "Tarvolen21.png");
}
