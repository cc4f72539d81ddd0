// The bridge from the browser host (host_web.cpp) to the page (page.js):
// each function hands its arguments, read out of the module's memory, to
// the page object that page.js set up as Module.page.
mergeInto(LibraryManager.library, {
  web_profile_get: function (keyPtr, bufferPtr, bufferLength) {
    var text = Module.page.profileGet(UTF8ToString(keyPtr));
    if (text === null) return -1;
    return stringToUTF8(text, bufferPtr, bufferLength);
  },
  web_profile_set: function (keyPtr, valuePtr) {
    return Module.page.profileSet(UTF8ToString(keyPtr), UTF8ToString(valuePtr)) ? 1 : 0;
  },
  web_show_window: function (pixelsPtr, width, height, left, top, right, bottom) {
    Module.page.showWindow(HEAPU8.buffer, pixelsPtr, width, height, left, top, right, bottom);
  },
  web_play_wave: function (id, dataPtr, size) {
    Module.page.playWave(id, HEAPU8.subarray(dataPtr, dataPtr + size));
  },
  web_stop_wave: function () {
    Module.page.stopWave();
  },
  web_tune_play: function (device, tune) {
    Module.page.tunePlay(device, tune);
  },
  web_tune_seek_to_start: function (device) {
    Module.page.tuneSeekToStart(device);
  },
  web_tune_stop: function (device) {
    Module.page.tuneStop(device);
  },
  web_tune_close: function (device) {
    Module.page.tuneClose(device);
  },
  web_message: function (textPtr, captionPtr, icon) {
    Module.page.message(UTF8ToString(textPtr), UTF8ToString(captionPtr), icon);
  },
  web_quit: function (code) {
    Module.page.quit(code);
  },
});
