#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

// Attribute blocks: the fixed layout data of a window or a control, property settings back to
// back (name, one blank, the value encoded by the property's type), applied in block order.
namespace framework {

// Four colour bytes: red, green, blue, and a fourth that is 0 for opaque.
struct Color {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  uint8_t alpha = 0;
  bool operator==(const Color&) const = default;
};

using PropertyValue = std::variant<int64_t, bool, std::string, Color, float, double, uint8_t>;

// Anything an attribute block can be applied to.
class PropertyTarget {
 public:
  virtual ~PropertyTarget() = default;
  // Fails with a RuntimeException for a property the target does not have.
  virtual void SetProperty(const std::string& name, const PropertyValue& value) = 0;
  // Whether the target's `Value` is a text (a label, a text area) rather than a state.
  virtual bool ValueIsText() const { return false; }
  virtual const char* ClassName() const = 0;
};

// Builds a block setting by setting, so that layout tables read as data.
class AttributeBlock {
 public:
  AttributeBlock& Integer(std::string_view name, int64_t value);
  AttributeBlock& Boolean(std::string_view name, bool value);
  AttributeBlock& Text(std::string_view name, std::string_view value);
  AttributeBlock& Colour(std::string_view name, uint8_t b1, uint8_t b2, uint8_t b3, uint8_t b4);
  AttributeBlock& Single(std::string_view name, float value);
  AttributeBlock& Double(std::string_view name, double value);
  AttributeBlock& Byte(std::string_view name, uint8_t value);

  const std::string& Bytes() const { return bytes_; }

 private:
  void Name(std::string_view name);
  void Raw(const void* data, std::size_t size);
  std::string bytes_;
};

// The smallest 32-bit integer: the `Index` of a control that belongs to no control array.
inline constexpr int64_t kNoControlIndex = -2147483648LL;

// Applies every setting of the block to the target in block order; a name that stands twice
// is applied twice. An unknown name or a value cut short is a RuntimeException.
void SetProperties(PropertyTarget& target, std::string_view block);

}  // namespace framework
