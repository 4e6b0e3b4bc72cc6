#pragma once

// Registers the compiled-in icons. A static library's resources are only
// linked in when something references them, so main() and every test that
// shows icons call this once.
void initKorvelResources();
