#pragma once
// One gauge placed on the panel: its own copy of the gauge header, element tree and mouse list,
// so that the parameter string, the user word and anything the gauge changes in its records
// belong to this instance alone. Also what the host shows for each element.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/gauge_records.h"

namespace panelsim {

class LoadedModule;

// What the host shows for one element after a refresh.
struct ElementState {
  double value = 0.0;   // the update callback's result, or the source value
  double angle = 0.0;   // needles: degrees clockwise from straight up, 0 to under 360
  double turned = 0.0;  // needles: the same before it is brought into 0 to 360
  int state = 0;        // icons: the state drawn, -1 = nothing
  int bitmap = 0;       // the bitmap drawn (icon: bitmap + state)
  double x = 0.0, y = 0.0, rotation = 0.0;  // sliders, sprites, moving images
  std::string text;                         // strings
  bool hidden = false;                      // image flag 0x40000000, a failure or an icon at -1
  bool refreshed = false;
  std::vector<int> failures;  // failure keys active on this element
};

struct ElementNode {
  host::Element* element;
  std::string path;  // "root", "root/0", "root/1/2"
  int depth;
  ElementState state;
};

class GaugeInstance {
 public:
  GaugeInstance(std::string name, LoadedModule& module, const host::GaugeHeader& prototype,
                std::optional<std::string> parameters, int window_ident);
  GaugeInstance(const GaugeInstance&) = delete;
  GaugeInstance& operator=(const GaugeInstance&) = delete;

  const std::string& name() const { return name_; }
  LoadedModule& module() { return module_; }
  host::GaugeHeader& header() { return header_; }
  host::Element* root() { return header_.elements ? header_.elements[0] : nullptr; }
  std::vector<ElementNode>& nodes() { return nodes_; }  // tree order, root first
  ElementNode* node(const std::string& path);
  host::MouseRect* mouse_list() { return mouse_.empty() ? nullptr : mouse_.data(); }
  std::size_t mouse_count() const { return mouse_.size(); }
  int window_ident() const { return window_ident_; }
  bool installed() const { return installed_; }
  void set_installed(bool v) { installed_ = v; }
  // Gauge size in background pixels: the root bitmap's, when the module carries it.
  int width() const { return width_; }
  int height() const { return height_; }
  void set_size(int w, int h) {
    width_ = w;
    height_ = h;
  }

 private:
  host::Element* copy_tree(const host::Element* source, std::string path, int depth);
  void* allocate(std::size_t bytes);

  std::string name_;
  LoadedModule& module_;
  host::GaugeHeader header_;
  std::optional<std::string> parameters_;
  std::vector<std::unique_ptr<std::max_align_t[]>> storage_;
  std::vector<host::Element*> root_list_;
  std::vector<host::MouseRect> mouse_;
  std::vector<ElementNode> nodes_;
  int window_ident_;
  bool installed_ = false;
  int width_ = 0, height_ = 0;
};

// The record size of an element kind in a header of the given version.
std::size_t element_size(host::ElementKind kind, std::int32_t header_version);

}  // namespace panelsim
