#pragma once
// One running Tallyon per user and display. The first start on a display
// holds a lock and listens on a local socket in the user's runtime folder;
// a later start hands its request to that one and ends. The lock is the
// kernel's, so the one of a killed instance is free again at once, and the
// next start takes its socket over.
//
//   first `tallyon` on :0            -> First: the window opens
//   `tallyon` again on :0            -> HandedOver: the first raises its window
//   `tallyon --toggle` on :0         -> HandedOver: the first shows or hides
//   `tallyon` on :1                  -> First, with one other running

#include <functional>
#include <memory>
#include <string>

class QSocketNotifier;

namespace platform {

enum class InstanceRequest : char {
  Show = 'S',   // a plain second start: bring the window to the front
  Toggle = 'T', // --toggle: show the window, or hide it when it is in front
};

class DisplayInstance {
public:
  enum class Role {
    First,       // this process holds the display; it opens the window
    HandedOver,  // the running instance took the request; this one ends
    NotAnswered, // the running instance holds the display but did not answer
    Unshared,    // no runtime folder to meet in: this process runs on its own
  };

  // Claims the display the program is about to open (DISPLAY, or
  // WAYLAND_DISPLAY for a Wayland client), before the toolkit starts.
  explicit DisplayInstance(InstanceRequest request);
  ~DisplayInstance();
  DisplayInstance(const DisplayInstance&) = delete;
  DisplayInstance& operator=(const DisplayInstance&) = delete;

  Role GetRole() const { return FRole; }
  // How many instances of this user run on other displays now.
  int OthersRunning() const;
  // From now on each request handed over reaches `onRequest` through the
  // event loop, with the activation token of the start that sent it (the
  // desktop's permission to take the focus; empty when it gave none).
  using RequestHandler = std::function<void(InstanceRequest, const std::string& token)>;
  void Listen(RequestHandler onRequest);

private:
  bool TakeDisplay();
  void HandOver(InstanceRequest request);
  void Answer();

  Role FRole = Role::Unshared;
  std::string FFolder;
  std::string FName; // the display's name among the instances' files
  int FLock = -1;
  int FServer = -1;
  std::unique_ptr<QSocketNotifier> FNotifier;
  RequestHandler FOnRequest;
};

} // namespace platform
