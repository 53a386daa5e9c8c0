#pragma once
// The host's service table, the service codes gauge callbacks receive, mouse event bits and
// cursors, and the module-side accessors that call the host through the module's ImportTable.

#include <cstdint>

#include "host/gauge_records.h"

namespace host {

// Why the host calls a gauge callback.
namespace service_code {
inline constexpr std::int32_t kInstall = 2;          // extra: the module handle
inline constexpr std::int32_t kTreeReady = 4;        // the element tree exists
inline constexpr std::int32_t kUpdate = 6;           // every cycle
inline constexpr std::int32_t kReset = 10;           // one-time reset
inline constexpr std::int32_t kKill = 12;            // release what install loaded
inline constexpr std::int32_t kSimWindowOpen = 14;   // the simulator's main window exists
inline constexpr std::int32_t kSimWindowClose = 15;  // it goes away
}  // namespace service_code

namespace mouse_event {
inline constexpr std::uint32_t kLeftClick = 0x20000000;
inline constexpr std::uint32_t kRightClick = 0x80000000;
inline constexpr std::uint32_t kHeld = 0x00200000;
inline constexpr std::uint32_t kLeftDrag = 0x00800000;
}  // namespace mouse_event

namespace cursor {
inline constexpr std::int32_t kNone = -1;
inline constexpr std::int32_t kIncrease = 1;
inline constexpr std::int32_t kDecrease = 2;
inline constexpr std::int32_t kPush = 5;
}  // namespace cursor

// Entries of the service table, counted in words from its start.
enum class ServiceEntry : int {
  ElementTree1 = 24,
  ElementTree2 = 25,
  ElementTree3 = 26,
  ElementTree4 = 27,
  ElementTree5 = 28,
  ElementTree6 = 29,
  ElementTree8 = 31,
  TogglePanelWindow = 35,
  SendKeyEvent = 36,
  NamedVarLink = 39,
  ReadTokenVar = 40,
  NamedVarFind = 51,
  NamedVarRegister = 52,
  NamedVarGet = 53,
  NamedVarSet = 55,
  EvalCalculatorCode = 69,
};
inline constexpr int kServiceTableSize = 80;

// The element-tree service a default routine hands its first element to (routine 7 → service 8).
inline constexpr ServiceEntry element_tree_service_for_routine(int routine) {
  return static_cast<ServiceEntry>(routine == 7 ? 31 : 23 + routine);
}

namespace service {
using ReadTokenVar = void(HOST_CALL*)(HostVar* var);
using SendKeyEvent = void(HOST_CALL*)(std::uint32_t event, std::uint32_t parameter);
using TogglePanelWindow = std::int32_t(HOST_CALL*)(std::int32_t ident);
using NamedVarLink = void(HOST_CALL*)(HostVar* var, const char* name);
using NamedVarFind = std::int32_t(HOST_CALL*)(const char* name);
using NamedVarRegister = std::int32_t(HOST_CALL*)(const char* name);
using NamedVarGet = double(HOST_CALL*)(std::int32_t id);
using NamedVarSet = void(HOST_CALL*)(std::int32_t id, double value);
// Any of the three outputs may be null; the text stays valid until the next evaluation.
using EvalCalculatorCode = std::int32_t(HOST_CALL*)(const char* code, double* number,
                                                    std::int32_t* integer, const char** text);
using ElementTree = void(HOST_CALL*)(Element* first);
using ElementTreeWithValue = void(HOST_CALL*)(Element* first, std::uint32_t value);
}  // namespace service

template <ServiceEntry E>
struct ServiceType;
template <>
struct ServiceType<ServiceEntry::ReadTokenVar> {
  using type = service::ReadTokenVar;
};
template <>
struct ServiceType<ServiceEntry::SendKeyEvent> {
  using type = service::SendKeyEvent;
};
template <>
struct ServiceType<ServiceEntry::TogglePanelWindow> {
  using type = service::TogglePanelWindow;
};
template <>
struct ServiceType<ServiceEntry::NamedVarLink> {
  using type = service::NamedVarLink;
};
template <>
struct ServiceType<ServiceEntry::NamedVarFind> {
  using type = service::NamedVarFind;
};
template <>
struct ServiceType<ServiceEntry::NamedVarRegister> {
  using type = service::NamedVarRegister;
};
template <>
struct ServiceType<ServiceEntry::NamedVarGet> {
  using type = service::NamedVarGet;
};
template <>
struct ServiceType<ServiceEntry::NamedVarSet> {
  using type = service::NamedVarSet;
};
template <>
struct ServiceType<ServiceEntry::EvalCalculatorCode> {
  using type = service::EvalCalculatorCode;
};
template <>
struct ServiceType<ServiceEntry::ElementTree1> {
  using type = service::ElementTree;
};
template <>
struct ServiceType<ServiceEntry::ElementTree2> {
  using type = service::ElementTreeWithValue;
};
template <>
struct ServiceType<ServiceEntry::ElementTree3> {
  using type = service::ElementTree;
};
template <>
struct ServiceType<ServiceEntry::ElementTree4> {
  using type = service::ElementTree;
};
template <>
struct ServiceType<ServiceEntry::ElementTree5> {
  using type = service::ElementTreeWithValue;
};
template <>
struct ServiceType<ServiceEntry::ElementTree6> {
  using type = service::ElementTree;
};
template <>
struct ServiceType<ServiceEntry::ElementTree8> {
  using type = service::ElementTree;
};

// The host's table: one function reference per word, indexed by ServiceEntry.
struct ServiceTable {
  using AnyService = void(HOST_CALL*)();
  AnyService entries[kServiceTableSize];

  template <ServiceEntry E>
  typename ServiceType<E>::type get() const {
    return reinterpret_cast<typename ServiceType<E>::type>(entries[static_cast<int>(E)]);
  }
  template <ServiceEntry E>
  void set(typename ServiceType<E>::type fn) {
    entries[static_cast<int>(E)] = reinterpret_cast<AnyService>(fn);
  }
};

// Module side: calls through the module's own ImportTable. A missing table or entry makes the
// call do nothing (and return 0), so a gauge never jumps through a null reference.
const ServiceTable* services();
void read_token_var(HostVar& var);
double read_token_number(std::int32_t token);
std::int32_t read_token_integer(std::int32_t token);
void send_key_event(std::uint32_t event, std::uint32_t parameter = 0);
void toggle_panel_window(std::int32_t ident);
void named_var_link(HostVar& var, const char* name);
std::int32_t named_var_find(const char* name);
std::int32_t named_var_register(const char* name);
double named_var_get(std::int32_t id);
void named_var_set(std::int32_t id, double value);
std::int32_t eval_calculator_code(const char* code, double* number, std::int32_t* integer,
                                  const char** text);
void element_tree_service(int routine, Element* first, std::uint32_t value = 0);

}  // namespace host
