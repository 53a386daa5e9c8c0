#include "panelsim/sound_trace.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string_view>

#include "panelsim/text_util.h"
#if !defined(_WIN32)
#include "audio/wave_file_reader.h"
#include "platform/native/sound_log.h"
#endif

namespace fs = std::filesystem;

namespace panelsim {

const char* sound_state_name(SoundState state) {
  switch (state) {
    case SoundState::playing:
      return "playing";
    case SoundState::looping:
      return "looping";
    default:
      return "stopped";
  }
}

SoundState SoundTrace::state(const std::string& file) const {
  // A file sounds while any buffer holding it does.
  SoundState found = SoundState::stopped;
  for (const auto& [number, buffer] : buffers_) {
    if (iequals(buffer.file, file) && buffer.state != SoundState::stopped) found = buffer.state;
  }
  return found;
}

int SoundTrace::starts(const std::string& file) const {
  auto it = files_.find(to_lower(file));
  return it == files_.end() ? 0 : it->second.starts;
}

long SoundTrace::last_start_position(const std::string& file) const {
  auto it = files_.find(to_lower(file));
  return it == files_.end() ? -1 : it->second.last_start_position;
}

#if defined(_WIN32)
bool SoundTrace::observes_sounds() {
  return false;
}
void SoundTrace::drain(Trace&) {}
void SoundTrace::index_sound_files() {}
std::string SoundTrace::file_for(const void*, std::size_t) {
  return {};
}
#else

bool SoundTrace::observes_sounds() {
  return true;
}

namespace {
std::size_t content_hash(const void* bytes, std::size_t size) {
  return std::hash<std::string_view>{}(std::string_view(static_cast<const char*>(bytes), size));
}
}  // namespace

// Every WAVE file under the simulator root, by the hash of its data bytes: a buffer is named by
// the file whose bytes it was filled with.
void SoundTrace::index_sound_files() {
  indexed_ = true;
  by_content_.clear();
  std::error_code ec;
  std::vector<std::string> files;
  for (fs::recursive_directory_iterator it(sim_root_, ec), end; !ec && it != end;
       it.increment(ec)) {
    if (it->is_regular_file(ec) && iequals(it->path().extension().string(), ".wav")) {
      files.push_back(fs::relative(it->path(), sim_root_, ec).generic_string());
    }
  }
  std::sort(files.begin(), files.end());  // the first of two identical files names both
  for (const std::string& file : files) {
    audio::WaveFileReader reader;
    if (reader.open((fs::path(sim_root_) / file).string().c_str()) != S_OK) continue;
    std::vector<std::uint8_t> data(reader.data_chunk.cksize);
    std::uint32_t actual = 0;
    if (reader.read(static_cast<std::uint32_t>(data.size()), data.data(), actual) != S_OK) continue;
    by_content_.emplace(content_hash(data.data(), actual), file);
  }
}

std::string SoundTrace::file_for(const void* samples_begin, std::size_t samples_size) {
  if (!indexed_) index_sound_files();
  auto it = by_content_.find(content_hash(samples_begin, samples_size));
  return it == by_content_.end() ? std::string() : it->second;
}

void SoundTrace::drain(Trace& trace) {
  using platform::SoundEventKind;
  for (const platform::SoundEvent& e : platform::drain_sound_events()) {
    Buffer& buffer = buffers_[e.buffer];
    const char* action = nullptr;
    switch (e.kind) {
      case SoundEventKind::played:
        if (buffer.file.empty() && e.samples) {
          buffer.file = file_for(e.samples->data(), e.samples->size());
        }
        buffer.state = e.looped ? SoundState::looping : SoundState::playing;
        action = "start";
        break;
      case SoundEventKind::stopped:
        if (buffer.state == SoundState::stopped) continue;  // a stop while silent changes nothing
        buffer.state = SoundState::stopped;
        action = "stop";
        break;
      case SoundEventKind::ended:
        buffer.state = SoundState::stopped;
        action = "end";
        break;
      case SoundEventKind::lost:
        buffer.state = SoundState::stopped;
        action = "lost";
        break;
      case SoundEventKind::buffer_released:
        buffers_.erase(e.buffer);
        continue;
      default:
        continue;
    }
    std::string file = buffer.file.empty() ? "buffer " + std::to_string(e.buffer) : buffer.file;
    if (e.kind == SoundEventKind::played) {
      FileRecord& record = files_[to_lower(file)];
      ++record.starts;
      record.last_start_position = e.position;
    }
    nlohmann::json line = {{"event", "sound"},   {"action", action},       {"file", file},
                           {"buffer", e.buffer}, {"position", e.position}, {"at", e.time}};
    if (e.kind == SoundEventKind::played) line["looped"] = e.looped;
    trace.record(std::move(line));
  }
}
#endif

}  // namespace panelsim
