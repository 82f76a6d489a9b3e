#include "framework/gui/properties.hpp"

#include <array>
#include <cstring>
#include <type_traits>
#include <unordered_map>

#include "framework/core/exceptions.hpp"

namespace framework {

namespace {

enum class Encoding { Integer, Boolean, Text, Colour, Single, Double, Byte, ValueOfClass };

const std::unordered_map<std::string_view, Encoding>& Encodings() {
  static const std::unordered_map<std::string_view, Encoding> table = [] {
    std::unordered_map<std::string_view, Encoding> t;
    for (std::string_view name :
         {"Width", "Height", "MinimumWidth", "MinimumHeight", "MaximumWidth", "MaximumHeight",
          "Type", "DefaultLocation", "Index", "Left", "Top", "TabIndex", "TabPanelIndex",
          "MacButtonStyle", "TextAlignment", "CaptionAlignment", "CaptionPosition",
          "CaptionDelta", "IconAlignment", "IconDeltaX", "IconDeltaY", "BevelStyle", "MenuStyle",
          "ButtonStyle", "MaximumCharactersAllowed", "MacWindowKind", "Period", "RunMode"}) {
      t.emplace(name, Encoding::Integer);
    }
    for (std::string_view name :
         {"HasCloseButton", "HasMaximizeButton", "HasMinimizeButton", "HasFullScreenButton",
          "Resizeable", "Composite", "FullScreen", "Visible", "HasBackgroundColor",
          "MenuBarVisible", "LiveResize", "LockLeft", "LockTop", "LockRight", "LockBottom",
          "TabStop", "AllowAutoDeactivate", "Enabled", "AllowFocusRing", "AllowFocus",
          "AllowTabs", "Transparent", "DoubleBuffer", "Cancel", "Default", "Bold", "Italic",
          "Underline", "Multiline", "Selectable", "HasBorder", "HideSelection",
          "HasHorizontalScrollbar", "HasVerticalScrollbar", "AllowStyledText",
          "AllowSpellChecking", "ReadOnly"}) {
      t.emplace(name, Encoding::Boolean);
    }
    for (std::string_view name : {"Title", "Name", "Tooltip", "Caption", "FontName", "Format",
                                  "ValidationMask", "DataSource", "DataField", "InitialParent"}) {
      t.emplace(name, Encoding::Text);
    }
    t.emplace("BackgroundColor", Encoding::Colour);
    t.emplace("TextColor", Encoding::Colour);
    t.emplace("FontSize", Encoding::Single);
    t.emplace("LineSpacing", Encoding::Double);
    t.emplace("LineHeight", Encoding::Double);
    t.emplace("FontUnit", Encoding::Byte);
    t.emplace("Value", Encoding::ValueOfClass);
    return t;
  }();
  return table;
}

// Reads the block from its start, failing on any value that the block cuts short.
class BlockReader {
 public:
  explicit BlockReader(std::string_view block) : block_(block) {}

  bool AtEnd() const { return at_ >= block_.size(); }

  std::string Name() {
    const std::size_t blank = block_.find(' ', at_);
    if (blank == std::string_view::npos) Fail("a property name without its value");
    std::string name(block_.substr(at_, blank - at_));
    if (name.empty()) Fail("an empty property name");
    at_ = blank + 1;
    return name;
  }

  template <typename T>
  T Fixed(const std::string& name) {
    static_assert(std::is_trivially_copyable_v<T>);
    Need(sizeof(T), name);
    T value;
    std::memcpy(&value, block_.data() + at_, sizeof(T));  // the blocks are little-endian
    at_ += sizeof(T);
    return value;
  }

  std::string Text(const std::string& name) {
    const auto length = Fixed<uint32_t>(name);
    Need(length, name);
    std::string text(block_.substr(at_, length));
    at_ += length;
    return text;
  }

 private:
  void Need(std::size_t bytes, const std::string& name) const {
    if (block_.size() - at_ < bytes) Fail("the value of " + name + " is cut short");
  }
  [[noreturn]] static void Fail(const std::string& what) {
    throw RuntimeException("Attribute block: " + what);
  }

  std::string_view block_;
  std::size_t at_ = 0;
};

}  // namespace

void AttributeBlock::Name(std::string_view name) {
  bytes_.append(name);
  bytes_.push_back(' ');
}

void AttributeBlock::Raw(const void* data, std::size_t size) {
  bytes_.append(static_cast<const char*>(data), size);
}

AttributeBlock& AttributeBlock::Integer(std::string_view name, int64_t value) {
  Name(name);
  Raw(&value, sizeof value);
  return *this;
}

AttributeBlock& AttributeBlock::Boolean(std::string_view name, bool value) {
  Name(name);
  bytes_.push_back(value ? '\1' : '\0');
  return *this;
}

AttributeBlock& AttributeBlock::Text(std::string_view name, std::string_view value) {
  Name(name);
  const auto length = static_cast<uint32_t>(value.size());
  Raw(&length, sizeof length);
  bytes_.append(value);
  return *this;
}

AttributeBlock& AttributeBlock::Colour(std::string_view name, uint8_t b1, uint8_t b2, uint8_t b3,
                                       uint8_t b4) {
  Name(name);
  const uint8_t bytes[4] = {b1, b2, b3, b4};
  Raw(bytes, sizeof bytes);
  return *this;
}

AttributeBlock& AttributeBlock::Single(std::string_view name, float value) {
  Name(name);
  Raw(&value, sizeof value);
  return *this;
}

AttributeBlock& AttributeBlock::Double(std::string_view name, double value) {
  Name(name);
  Raw(&value, sizeof value);
  return *this;
}

AttributeBlock& AttributeBlock::Byte(std::string_view name, uint8_t value) {
  Name(name);
  bytes_.push_back(static_cast<char>(value));
  return *this;
}

void SetProperties(PropertyTarget& target, std::string_view block) {
  BlockReader reader(block);
  while (!reader.AtEnd()) {
    const std::string name = reader.Name();
    const auto found = Encodings().find(name);
    if (found == Encodings().end()) {
      throw RuntimeException("Attribute block: unknown property \"" + name + "\"");
    }
    Encoding encoding = found->second;
    if (encoding == Encoding::ValueOfClass) {
      encoding = target.ValueIsText() ? Encoding::Text : Encoding::Boolean;
    }
    PropertyValue value;
    switch (encoding) {
      case Encoding::Integer:
        value = reader.Fixed<int64_t>(name);
        break;
      case Encoding::Boolean:
        value = reader.Fixed<uint8_t>(name) != 0;
        break;
      case Encoding::Text:
        value = reader.Text(name);
        break;
      case Encoding::Colour: {
        const auto bytes = reader.Fixed<std::array<uint8_t, 4>>(name);
        value = Color{bytes[0], bytes[1], bytes[2], bytes[3]};
        break;
      }
      case Encoding::Single:
        value = reader.Fixed<float>(name);
        break;
      case Encoding::Double:
        value = reader.Fixed<double>(name);
        break;
      case Encoding::Byte:
        value = reader.Fixed<uint8_t>(name);
        break;
      case Encoding::ValueOfClass:
        break;
    }
    target.SetProperty(name, value);
  }
}

}  // namespace framework
