// The functions the sound and print modules export, as the game calls them.
// Both sides include this header, so a change of signature cannot go unseen.
#pragma once

class QDialog;
class QPaintDevice;
class QWidget;

extern "C" {

// deduxa_sound: true when the system has no audio output (then nothing plays).
using SoundSilentFn = bool (*)();
// deduxa_sound: plays the wave file at path (UTF-8), stopping the sound still
// playing if it is another one.
using SoundPlayFn = void (*)(const char* path);

// deduxa_print: asks for a printer with the print dialog, run through
// runModal, and returns it ready to paint on; null when the player cancels.
// given, when not null, is the printer to ask about instead of a new one.
using PrintChooseFn = QPaintDevice* (*)(QWidget* parent, QPaintDevice* given,
                                        int (*runModal)(QDialog*), const char* docName);
// deduxa_print: ends with a printer from PrintChooseFn (deletes it unless it
// was given).
using PrintReleaseFn = void (*)(QPaintDevice* printer, QPaintDevice* given);
}
