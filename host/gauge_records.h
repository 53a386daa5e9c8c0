#pragma once
// The static records by which a module describes its gauges to the host, and the callbacks the
// host calls. In the 32-bit build every record follows the host's word list exactly (checked in
// record_layout_checks.cpp); other builds keep the field order with native pointer sizes.

#include <cstdint>
#include <cstring>

#include "host/calling_convention.h"

namespace host {

#if defined(_WIN32) && !defined(_WIN64)
#pragma pack(push, 4)
#define HOST_RECORDS_32BIT 1
#endif

struct GaugeHeader;
struct Element;
struct MouseRect;
struct MouseContext;
struct HostVar;

// A word the host owns: zero in every module record, free for the host to use.
using HostWord = std::uintptr_t;

// The value field of a HostVar: a double, or for integer variables an integer in the low 32 bits.
struct HostValue {
  std::uint64_t raw = 0;

  double number() const {
    double d;
    std::memcpy(&d, &raw, sizeof d);
    return d;
  }
  std::int32_t integer() const {
    std::int32_t i;
    std::memcpy(&i, &raw, sizeof i);  // low 32 bits: the first four bytes on little-endian
    return i;
  }
  void set_number(double d) { std::memcpy(&raw, &d, sizeof d); }
  void set_integer(std::int32_t i) {
    raw = 0;
    std::memcpy(&raw, &i, sizeof i);
  }
};

// A simulator variable as the host reads it.
struct HostVar {
  std::int32_t token;  // the host's number of the variable, 0 = none
  void* link;          // set by named_var_link to the address of published data
  HostWord host_word;
  HostValue value;
  HostValue previous;
};

using GaugeCallback = void(HOST_CALL*)(GaugeHeader* gauge, std::int32_t service_code,
                                       std::uint32_t extra);
using UpdateCallback = double(HOST_CALL*)(Element* element);
using MouseFunction = std::int32_t(HOST_CALL*)(MouseContext* context, std::uint32_t event);
// Tool-tip argument callbacks get 24 bytes of host arguments (in the 32-bit build); no gauge
// reads them.
using TooltipNumberCallback = double(HOST_CALL*)(double number, std::int32_t id, const char* text,
                                                 HostVar* source, GaugeHeader* gauge);
using TooltipTextCallback = const char*(HOST_CALL*)(double number, std::int32_t id,
                                                    const char* text, HostVar* source,
                                                    GaugeHeader* gauge);
using ModuleRoutine = void(HOST_CALL*)();
using DefaultRoutine = void(HOST_CALL*)();
using DefaultRoutineWithValue = void(HOST_CALL*)(std::uint32_t value);

enum class ElementKind : std::int32_t {
  StaticImage = 0,
  Needle = 1,
  String = 2,
  Slider = 3,
  Icon = 4,
  MovingImage = 5,
  Sprite = 6,
};

struct Point {
  std::int32_t x;
  std::int32_t y;
};

struct FailureRecord {
  std::int32_t key;  // host failure key; 0 ends the list
  std::int32_t action;
};

// Image flags the records and gauges use.
namespace image_flag {
inline constexpr std::uint32_t kLit = 0x4000;
inline constexpr std::uint32_t kHidden = 0x40000000;
inline constexpr std::uint32_t kHostDirty = 0x80000000;
}  // namespace image_flag

// The fields every element begins with.
struct Element {
  ElementKind kind;
  std::int32_t bitmap;  // resource id of the element's bitmap, -1 for strings
  Point position;       // top-left corner on the background; a needle's pivot
  HostWord host_a[2];
  Point offset;  // a needle's pivot in its bitmap; a sprite's centre point on the background
  GaugeHeader* gauge;
  HostWord host_b;
  Element** children;  // null-terminated, or null
  FailureRecord* failures;
  std::uint32_t image_flags;
  std::uint32_t special_flags;
  std::int32_t reserved;
};

// What the host keeps for a static image; its third word is the drawn height in pixels.
struct ImageRecord {
  std::int32_t bitmap;
  std::int32_t width;
  std::int32_t height;
};

struct StaticImageElement {
  Element element;
  ImageRecord* image;  // host-owned
  HostWord host[2];
};

// One point of a needle's calibration table.
struct NonlinearityPoint {
  Point tip;     // where the needle tip points for this value, on the background
  double value;  //
  double angle;  // 0 as stored; the host computes it from the pivot, in degrees
};

struct NeedleElement {
  Element element;
  HostVar source;
  NonlinearityPoint* table;
  std::int32_t point_count;
  double max_rate;  // degrees per second, 0 = no limit
  UpdateCallback update;
  HostWord host[4];
};

struct StringElement {
  Element element;
  HostVar sources[3];  // a source not needed has token 0
  char* text;          // host-owned buffer the update callback writes into
  std::int32_t box_width;
  std::int32_t box_height;
  std::uint32_t foreground;  // 0x00BBGGRR
  std::uint32_t background;
  std::uint32_t highlight;
  const char* font;
  std::int32_t font_weight;
  std::int32_t charset;
  std::uint32_t format;
  std::int32_t max_chars;
  UpdateCallback update;
  HostWord host[4];
};

struct SliderElement {
  Element element;
  HostVar x_source;
  double x_scale;
  HostVar y_source;
  double y_scale;
  UpdateCallback x_update;
  UpdateCallback y_update;
  HostWord host[4];
};

// The icon record of version-800 headers: one word longer, at the end, than that of version 700.
struct IconElement {
  Element element;
  HostVar source;
  std::int32_t icon_mode;
  double scale;
  std::int32_t state_count;
  UpdateCallback update;
  HostWord host[4];
  std::int32_t tail;
};
inline constexpr std::size_t kIconElementSizeV700 = sizeof(IconElement) - sizeof(std::int32_t);

struct MovingImageElement {
  Element element;
  HostVar x_source;
  double x_min;
  double x_max;
  HostVar y_source;
  double y_min;
  double y_max;
  UpdateCallback x_update;
  UpdateCallback y_update;
  HostWord host[4];
};

struct SpriteElement {
  Element element;
  HostVar x_source;
  double x_scale;
  HostVar y_source;
  double y_scale;
  HostVar rotation_source;
  double rotation_scale;
  float texture_scale_x;
  float texture_scale_y;
  UpdateCallback x_update;
  UpdateCallback y_update;
  UpdateCallback rotation_update;
  HostWord host[4];
};

// Reaches the kind-specific record of an element; every kind starts with its Element.
template <class Kind>
Kind& as(Element& e) {
  return *reinterpret_cast<Kind*>(&e);
}
template <class Kind>
const Kind& as(const Element& e) {
  return *reinterpret_cast<const Kind*>(&e);
}

enum class MouseRectKind : std::int32_t { Group = 1, HotSpot = 2, End = 3, Tooltip = 4 };

struct Box {
  std::int32_t x;
  std::int32_t y;
  std::int32_t w;
  std::int32_t h;
};

struct TooltipArg;

// One 11-word entry of a mouse rectangle list.
struct MouseRect {
  MouseRectKind kind;
  Box box;
  std::int32_t cursor;
  union {
    std::int32_t help_id;     // group
    std::int32_t tooltip_id;  // tool-tip entry, 0 = text given
  };
  std::uint32_t event_mask;  // hot spot
  union {
    std::uint32_t key_event;  // hot spot without a mouse function
    std::int32_t arg_count;   // tool-tip entry
  };
  union {
    MouseFunction function;  // hot spot
    const char* text;        // tool-tip entry
  };
  TooltipArg* args;  // tool-tip entry
};

// One 18-word tool-tip argument; exactly one of the two callbacks is set.
struct TooltipArg {
  HostVar source;  // all zero
  HostWord host[8];
  TooltipNumberCallback number;
  std::int32_t reserved;
  TooltipTextCallback text;
};

// What a mouse function receives.
struct MouseContext {
  std::int32_t x;  // relative to the hot spot's box
  std::int32_t y;
  GaugeHeader* gauge;
  MouseRect* rect;
};

struct GaugeHeader {
  std::int32_t version;  // 800, or 700 for the older format
  const char* name;
  Element** elements;  // null-terminated; exactly one root element
  DefaultRoutine routine1;
  DefaultRoutineWithValue routine2;
  DefaultRoutine routine3;
  DefaultRoutine routine4;
  DefaultRoutineWithValue routine5;
  DefaultRoutine routine6;
  DefaultRoutine routine7;
  std::int32_t reserved;
  std::int32_t size_mm;
  HostWord host_a[8];
  MouseRect* mouse_rects;
  GaugeCallback callback;
  std::uint32_t user_word;
  const char* parameters;  // set by the host per instance; may be null or empty
  HostWord host_b[6];
  std::int32_t trailing[2];  // version-700 headers only
};

// The head of the exported Linkage record; the gauge headers follow it, ended by null.
struct ModuleLinkage {
  std::int32_t module_id;  // 0x13
  ModuleRoutine init;
  ModuleRoutine deinit;
  std::int32_t status;
  std::int32_t reserved;
  std::int32_t version;
};

template <std::size_t GaugeCount>
struct Linkage {
  ModuleLinkage head;
  GaugeHeader* gauges[GaugeCount + 1];  // the last one stays null
};

// The gauge headers that follow a Linkage head.
inline GaugeHeader* const* linkage_gauges(const ModuleLinkage* head) {
  return reinterpret_cast<const Linkage<0>*>(head)->gauges;
}

struct ServiceTable;

struct ImportTable {
  std::int32_t version;  // 15
  const ServiceTable* services;
  std::int32_t reserved[2];
};

inline constexpr std::int32_t kModuleId = 0x13;
inline constexpr std::int32_t kImportTableVersion = 15;

#if defined(HOST_RECORDS_32BIT)
#pragma pack(pop)
#endif

}  // namespace host
