#include "show_reset.h"

#include "audio/music.h"
#include "config/configure_form.h"
#include "config/run_flags.h"
#include "engine/actors.h"
#include "engine/dissolve.h"
#include "engine/scene_script.h"
#include "engine/sequencer.h"
#include "fake_host.h"
#include "fake_profile.h"
#include "gfx/frame_buffer.h"
#include "gfx/sprite_store.h"
#include "shell/driver.h"
#include "shell/saver_window.h"
#include "show/show.h"

void ResetShowState() {
    ReleaseActors();
    DeleteFrameBuffer();
    FakeHost = {};
    FakeProfile = {};
    ConfigureForm = {};
    Sequencer = {};
    RunFlags = {};
    Dissolve = {};
    SceneTracks = {};
    Music = {};
    Show = {};
    SaverWindow = {};
    Driver = {};
    FrameBuffer = {};
    StageView = {};
}
