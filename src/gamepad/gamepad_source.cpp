#include "gamepad/gamepad_source.h"

#include <SDL.h>

#include <QLibrary>
#include <algorithm>
#include <type_traits>
#include <vector>

using pad::Input;

static_assert(SDL_CONTROLLER_AXIS_LEFTX == int(Input::LeftX));
static_assert(SDL_CONTROLLER_AXIS_TRIGGERRIGHT == int(Input::RightTrigger));
static_assert(SDL_CONTROLLER_AXIS_MAX == pad::kAxes);
static_assert(SDL_CONTROLLER_BUTTON_A == int(Input::A) - pad::kAxes);
static_assert(SDL_CONTROLLER_BUTTON_LEFTSHOULDER == int(Input::LeftShoulder) - pad::kAxes);
static_assert(SDL_CONTROLLER_BUTTON_DPAD_RIGHT == int(Input::DpadRight) - pad::kAxes);

namespace {

// SDL is loaded the first time a controller is looked for: most starts never need it, and
// linked in, its libraries (sound and display back ends among them) would add some 15 ms to
// every start-up.
struct Calls {
  decltype(&SDL_SetHint) setHint = nullptr;
  decltype(&SDL_InitSubSystem) initSubSystem = nullptr;
  decltype(&SDL_QuitSubSystem) quitSubSystem = nullptr;
  decltype(&SDL_GetError) getError = nullptr;
  decltype(&SDL_PollEvent) pollEvent = nullptr;
  decltype(&SDL_JoystickGetDeviceInstanceID) deviceInstanceId = nullptr;
  decltype(&SDL_GameControllerOpen) open = nullptr;
  decltype(&SDL_GameControllerClose) close = nullptr;
  decltype(&SDL_GameControllerName) name = nullptr;
  decltype(&SDL_GameControllerUpdate) update = nullptr;
  decltype(&SDL_GameControllerGetAxis) axis = nullptr;
  decltype(&SDL_GameControllerGetButton) button = nullptr;
  QString error;  // why SDL cannot be used; empty when it can
};

const Calls& sdl() {
  static const Calls calls = [] {
    Calls c;
    // Never unloaded: SDL keeps threads of its own once started.
    QLibrary library(QStringLiteral("SDL2-2.0"), 0);
    if (!library.load()) {
      c.error = library.errorString();
      return c;
    }
    const auto take = [&](auto& call, const char* symbol) {
      call = reinterpret_cast<std::remove_reference_t<decltype(call)>>(library.resolve(symbol));
      if (!call && c.error.isEmpty()) c.error = library.errorString();
    };
    take(c.setHint, "SDL_SetHint");
    take(c.initSubSystem, "SDL_InitSubSystem");
    take(c.quitSubSystem, "SDL_QuitSubSystem");
    take(c.getError, "SDL_GetError");
    take(c.pollEvent, "SDL_PollEvent");
    take(c.deviceInstanceId, "SDL_JoystickGetDeviceInstanceID");
    take(c.open, "SDL_GameControllerOpen");
    take(c.close, "SDL_GameControllerClose");
    take(c.name, "SDL_GameControllerName");
    take(c.update, "SDL_GameControllerUpdate");
    take(c.axis, "SDL_GameControllerGetAxis");
    take(c.button, "SDL_GameControllerGetButton");
    return c;
  }();
  return calls;
}

double normalised(int axis, Sint16 value) {
  const double v = value / 32767.0;
  return pad::isTrigger(Input(axis)) ? std::clamp(v, 0.0, 1.0) : std::clamp(v, -1.0, 1.0);
}

}  // namespace

// The controllers open now, in the order they were plugged: the last is in use.
struct KoGamepadSource::Sdl {
  struct Pad {
    SDL_JoystickID id;
    SDL_GameController* controller;
    QString name;
  };
  std::vector<Pad> pads;

  const Pad* inUse() const { return pads.empty() ? nullptr : &pads.back(); }
  bool isInUse(SDL_JoystickID id) const { return inUse() && inUse()->id == id; }
  bool isOpen(SDL_JoystickID id) const {
    return std::any_of(pads.begin(), pads.end(), [&](const Pad& p) { return p.id == id; });
  }
};

KoGamepadSource::KoGamepadSource(QObject* parent) : QObject(parent), sdl_(new Sdl) {
  connect(&timer_, &QTimer::timeout, this, &KoGamepadSource::poll);
}

KoGamepadSource::~KoGamepadSource() {
  stop();
  delete sdl_;
}

bool KoGamepadSource::start() {
  if (started_) return true;
  if (!sdl().error.isEmpty()) {
    error_ = sdl().error;
    return false;
  }
  // The program keeps Ctrl+C for itself, and whether the window has the focus is ours to say.
  sdl().setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  sdl().setHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  if (sdl().initSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
    error_ = QString::fromUtf8(sdl().getError());
    return false;
  }
  // Raw joystick events stay enabled: SDL 2 builds its controller events from them as they
  // are queued, so ignoring them would silence the controllers too. poll() drops them.
  error_.clear();
  started_ = true;
  timer_.start(listening_ ? kPollMs : kIdlePollMs);
  return true;
}

void KoGamepadSource::stop() {
  if (!started_) return;
  timer_.stop();
  for (const Sdl::Pad& p : sdl_->pads) sdl().close(p.controller);
  sdl_->pads.clear();
  state_ = {};
  started_ = false;
  sdl().quitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool KoGamepadSource::hasController() const { return sdl_->inUse() != nullptr; }

QString KoGamepadSource::name() const { return sdl_->inUse() ? sdl_->inUse()->name : QString(); }

void KoGamepadSource::setListening(bool on) {
  if (on == listening_) return;
  if (started_ && on) poll();  // what was done while not listening goes before the reading
  listening_ = on;
  if (started_) timer_.setInterval(on ? kPollMs : kIdlePollMs);
  if (!on || !started_) return;

  state_ = {};
  if (const Sdl::Pad* p = sdl_->inUse()) {
    sdl().update();
    for (int a = 0; a < pad::kAxes; ++a)
      state_.axes[size_t(a)] = normalised(a, sdl().axis(p->controller, SDL_GameControllerAxis(a)));
    for (int b = 0; b < pad::kButtons; ++b)
      state_.setHeld(Input(pad::kAxes + b),
                     sdl().button(p->controller, SDL_GameControllerButton(b)));
  }
  emit stateChanged(state_);
}

void KoGamepadSource::poll() {
  if (!started_) return;
  pad::State reported = state_;
  // Tells a change at once, before a plug signal that follows it.
  const auto report = [&] {
    if (listening_ && state_ != reported) emit stateChanged(state_);
    reported = state_;
  };

  SDL_Event e;
  // A slot may stop the source, which closes SDL's queue under the loop.
  while (started_ && sdl().pollEvent(&e)) {
    switch (e.type) {
      case SDL_CONTROLLERDEVICEADDED: {
        const SDL_JoystickID id = sdl().deviceInstanceId(e.cdevice.which);
        // SDL announces a controller both when its layer starts and when it is plugged.
        if (id < 0 || sdl_->isOpen(id)) break;
        SDL_GameController* controller = sdl().open(e.cdevice.which);
        if (!controller) break;
        const char* sdlName = sdl().name(controller);
        const QString name = QString::fromUtf8(sdlName ? sdlName : "");
        sdl_->pads.push_back({id, controller, name});
        // What another controller held must not stay held.
        state_ = {};
        report();
        emit connected(name);
        break;
      }
      case SDL_CONTROLLERDEVICEREMOVED: {
        const auto gone = std::find_if(sdl_->pads.begin(), sdl_->pads.end(),
                                       [&](const Sdl::Pad& p) { return p.id == e.cdevice.which; });
        if (gone == sdl_->pads.end()) break;
        const bool wasInUse = sdl_->isInUse(gone->id);
        const QString name = gone->name;
        sdl().close(gone->controller);
        sdl_->pads.erase(gone);
        if (!wasInUse) break;
        state_ = {};
        report();
        emit disconnected(name);
        if (sdl_->inUse()) emit connected(QString(sdl_->inUse()->name));
        break;
      }
      case SDL_CONTROLLERAXISMOTION:
        if (!listening_ || !sdl_->isInUse(e.caxis.which) || e.caxis.axis >= pad::kAxes) break;
        state_.axes[e.caxis.axis] = normalised(e.caxis.axis, e.caxis.value);
        break;
      case SDL_CONTROLLERBUTTONDOWN:
      case SDL_CONTROLLERBUTTONUP:
        // Buttons past the pad (misc, paddles, touchpad) have no input here.
        if (!listening_ || !sdl_->isInUse(e.cbutton.which) || e.cbutton.button >= pad::kButtons)
          break;
        state_.setHeld(Input(pad::kAxes + e.cbutton.button), e.cbutton.state == SDL_PRESSED);
        break;
      default:
        break;
    }
  }
  report();
}
