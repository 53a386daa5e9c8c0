#pragma once
// The stand-in panel system: loads modules from the simulator root's Gauges folder, creates
// gauge instances from a panel configuration (or one by one), calls their gauge callbacks with
// the service codes over their life, runs the update cycle, delivers clicks and formats
// tool-tips. Modules reach it only through the service table.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/panel_services.h"
#include "panelsim/aircraft_offsets.h"
#include "panelsim/gauge_instance.h"
#include "panelsim/module_loader.h"
#include "panelsim/mouse_map.h"
#include "panelsim/offset_server.h"
#include "panelsim/panel_config.h"
#include "panelsim/sim_model.h"
#include "panelsim/sound_trace.h"
#include "panelsim/trace.h"

namespace panelsim {

class Panel {
 public:
  Panel(std::string sim_root, Trace& trace);
  ~Panel();
  Panel(const Panel&) = delete;
  Panel& operator=(const Panel&) = delete;

  SimModel& model() { return model_; }
  const SoundTrace& sounds() const { return sounds_; }
  const std::string& sim_root() const { return sim_root_; }
  double frame_seconds() const { return 1.0 / frames_per_second_; }
  void set_frames_per_second(double fps) { frames_per_second_ = fps; }

  // Loads a panel.cfg (relative to the simulator root) and installs every gauge in it.
  void load_config(const std::string& path);
  void reload();  // kills and unloads everything, then loads the same configuration again
  GaugeInstance& place(const std::string& name, const std::string& module, const std::string& gauge,
                       std::optional<std::string> parameters, int window_ident);
  GaugeInstance* instance(const std::string& name);  // exact name, or a unique gauge name
  std::vector<std::unique_ptr<GaugeInstance>>& instances() { return instances_; }
  LoadedModule& module(const std::string& name);  // loaded on first use

  void install(GaugeInstance& g);  // service codes 2 (with the module handle) and 4
  void kill(GaugeInstance& g);     // service code 12
  void service(GaugeInstance& g, std::int32_t code, std::uint32_t extra = 0);
  void service_all(std::int32_t code, std::uint32_t extra = 0);
  // paused: the frames pass with the clock standing still, as in a paused simulation.
  void run_frames(int count, bool paused = false);

  // The offset server, on its "UIPCMAIN" window from the start of the panel; once removed it
  // stays away for the rest of the run.
  void remove_offset_server() { offset_window_.reset(); }
  AircraftOffsets& offsets() { return offsets_; }

  // Mouse: returns the hot spot's list index, or -1 when nothing was there.
  int click(GaugeInstance& g, int x, int y, std::uint32_t event);
  int click_hot_spot(GaugeInstance& g, int number, std::uint32_t event);
  std::string tooltip_at(GaugeInstance& g, int x, int y);
  std::int32_t help_at(GaugeInstance& g, int x, int y);
  std::int32_t cursor_at(GaugeInstance& g, int x, int y);

  // The instance whose code is running, for the trace; empty between calls.
  const std::string& caller() const { return caller_; }

 private:
  struct CallScope;
  int dispatch(GaugeInstance& g, const MouseRegion& region, int x, int y, std::uint32_t event);
  void refresh(GaugeInstance& g);
  void measure(GaugeInstance& g);
  std::string find_module_file(const std::string& name) const;

  std::string sim_root_;
  Trace& trace_;
  SimModel model_;
  AircraftOffsets offsets_{model_};
  OffsetServer offset_server_{offsets_};
  std::unique_ptr<OffsetServerWindow> offset_window_;
  SoundTrace sounds_;
  host::ServiceTable services_{};
  std::map<std::string, std::unique_ptr<LoadedModule>> modules_;  // by lower-case name
  std::vector<std::unique_ptr<GaugeInstance>> instances_;
  std::optional<std::string> config_path_;
  double frames_per_second_ = 18.0;
  std::string caller_;
};

}  // namespace panelsim
