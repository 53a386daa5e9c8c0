#include "panelsim/gauge_instance.h"

#include <cstring>

#include "panelsim/module_loader.h"

namespace panelsim {

std::size_t element_size(host::ElementKind kind, std::int32_t header_version) {
  switch (kind) {
    case host::ElementKind::StaticImage:
      return sizeof(host::StaticImageElement);
    case host::ElementKind::Needle:
      return sizeof(host::NeedleElement);
    case host::ElementKind::String:
      return sizeof(host::StringElement);
    case host::ElementKind::Slider:
      return sizeof(host::SliderElement);
    case host::ElementKind::Icon:
      return header_version >= 800 ? sizeof(host::IconElement) : host::kIconElementSizeV700;
    case host::ElementKind::MovingImage:
      return sizeof(host::MovingImageElement);
    case host::ElementKind::Sprite:
      return sizeof(host::SpriteElement);
  }
  return sizeof(host::Element);
}

GaugeInstance::GaugeInstance(std::string name, LoadedModule& module,
                             const host::GaugeHeader& prototype,
                             std::optional<std::string> parameters, int window_ident)
    : name_(std::move(name)),
      module_(module),
      header_(prototype),
      parameters_(std::move(parameters)),
      window_ident_(window_ident) {
  header_.parameters = parameters_ ? parameters_->c_str() : nullptr;
  header_.user_word = 0;
  // The records were checked at load: one root, terminated lists.
  root_list_ = {copy_tree(prototype.elements[0], "root", 0), nullptr};
  header_.elements = root_list_.data();
  if (prototype.mouse_rects) {
    std::size_t n = mouse_list_length(prototype.mouse_rects);
    mouse_.assign(prototype.mouse_rects, prototype.mouse_rects + n);
    header_.mouse_rects = mouse_.data();
  }
}

void* GaugeInstance::allocate(std::size_t bytes) {
  std::size_t units = (bytes + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t);
  storage_.push_back(std::make_unique<std::max_align_t[]>(units));
  return storage_.back().get();
}

host::Element* GaugeInstance::copy_tree(const host::Element* source, std::string path, int depth) {
  std::size_t size = element_size(source->kind, header_.version);
  auto* copy = static_cast<host::Element*>(allocate(size));
  std::memcpy(static_cast<void*>(copy), source, size);
  copy->gauge = &header_;
  if (copy->kind == host::ElementKind::String) {
    // The text buffer holds the element's maximum number of characters and the terminator.
    auto& s = host::as<host::StringElement>(*copy);
    std::size_t chars = s.max_chars > 0 ? static_cast<std::size_t>(s.max_chars) : 0;
    s.text = static_cast<char*>(allocate(chars + 1));
    s.text[0] = '\0';
  }
  nodes_.push_back({copy, path, depth, {}});
  if (source->children) {
    std::size_t n = 0;
    while (source->children[n]) ++n;
    auto** list = static_cast<host::Element**>(allocate((n + 1) * sizeof(host::Element*)));
    for (std::size_t i = 0; i < n; ++i) {
      list[i] = copy_tree(source->children[i], path + "/" + std::to_string(i), depth + 1);
    }
    list[n] = nullptr;
    copy->children = list;
  }
  return copy;
}

ElementNode* GaugeInstance::node(const std::string& path) {
  for (auto& n : nodes_) {
    if (n.path == path) return &n;
  }
  return nullptr;
}

}  // namespace panelsim
