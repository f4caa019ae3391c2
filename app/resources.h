#pragma once

// Registers the resources compiled into the static library. Call once before any ":/" path is used.
void initResources();
