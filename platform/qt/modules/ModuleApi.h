// The functions the sound and print modules export, as the game calls them.
// Both sides include this header, so a change of signature cannot go unseen.
#pragma once

#include <cstddef>

class QDialog;
class QPaintDevice;
class QWidget;

extern "C" {

// deduxa_sound: true when no audio output can be opened (then nothing plays).
using SoundSilentFn = bool (*)();
// deduxa_sound: plays interleaved PCM frames (8-bit unsigned or 16-bit signed
// little-endian; the module takes a copy), stopping the sound still playing.
using SoundPlayFn = void (*)(int channels, int sampleRate, int bitsPerSample, const char* samples,
                             size_t bytes);

// deduxa_print: asks for a printer with the print dialog, run through
// runModal, and returns it ready to paint on; null when the player cancels.
// given, when not null, is the printer to ask about instead of a new one.
using PrintChooseFn = QPaintDevice* (*)(QWidget* parent, QPaintDevice* given,
                                        int (*runModal)(QDialog*), const char* docName);
// deduxa_print: ends with a printer from PrintChooseFn (deletes it unless it
// was given).
using PrintReleaseFn = void (*)(QPaintDevice* printer, QPaintDevice* given);
}
