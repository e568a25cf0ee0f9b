#pragma once

// Marks a French text that the window shows in the user's language: the window hands it to its
// translator under `context`, and the translation tools find it by this mark. The core itself
// always keeps the French.
#define VELMORA_TRANSLATABLE(context, text) text
