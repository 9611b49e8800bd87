// Draws where presses pass on each locked window, from the very tables the
// filters use, as PPM pictures (scripts/pictures turns them into PNG).
//   zone_pictures OUTPUT_FOLDER
#include <stdio.h>

#include <string>
#include <vector>

#include "filters/equalizer_zones.h"
#include "filters/gen_zones.h"
#include "filters/main_zones.h"
#include "filters/playlist_zones.h"
#include "filters/video_zones.h"

namespace {

const int kZoom = 2;

struct Rgb {
    unsigned char r, g, b;
};

const Rgb kLocked = {0x3a, 0x3f, 0x47};      // swallowed: no drag starts here
const Rgb kPasses = {0x4c, 0xb8, 0x6b};      // always reaches the player
const Rgb kWhilePlaying = {0x4a, 0x90, 0xd9};
const Rgb kWhileSizeFree = {0xf0, 0xa0, 0x30};  // the grip: open with only the move lock
const Rgb kOutline = {0xd0, 0xd4, 0xda};

// Whether a press passes, given whether the player plays and the size lock is off.
typedef bool (*Decision)(PressPoint p, WindowSize s, bool playing, bool sizeFree);

bool MainNormal(PressPoint p, WindowSize, bool playing, bool) { return MainPressPasses(p, false, playing); }
bool MainShaded(PressPoint p, WindowSize, bool playing, bool) { return MainPressPasses(p, true, playing); }
bool EqualizerNormal(PressPoint p, WindowSize, bool, bool) { return EqualizerPressPasses(p, false); }
bool EqualizerShaded(PressPoint p, WindowSize, bool, bool) { return EqualizerPressPasses(p, true); }
bool PlaylistNormal(PressPoint p, WindowSize s, bool playing, bool free) { return PlaylistPressPasses(p, s, false, !free, playing); }
bool PlaylistShaded(PressPoint p, WindowSize s, bool playing, bool free) { return PlaylistPressPasses(p, s, true, !free, playing); }
bool Video(PressPoint p, WindowSize s, bool, bool free) { return VideoPressPasses(p, s, !free); }
bool Gen(PressPoint p, WindowSize s, bool, bool free) { return GenPressPasses(p, s, !free); }

struct Picture {
    const char* name;
    int width, height;
    Decision passes;
};

const Picture kPictures[] = {
    {"main", 275, 116, MainNormal},
    {"main-shaded", 275, 14, MainShaded},
    {"equalizer", 275, 116, EqualizerNormal},
    {"equalizer-shaded", 275, 14, EqualizerShaded},
    {"playlist-275x116", 275, 116, PlaylistNormal},
    {"playlist-400x232", 400, 232, PlaylistNormal},
    {"playlist-shaded", 400, 14, PlaylistShaded},
    {"video-275x232", 275, 232, Video},
    {"video-400x300", 400, 300, Video},
    {"gen-275x116", 275, 116, Gen},
    {"gen-400x300", 400, 300, Gen},
};

Rgb ColourAt(const Picture& pic, uint32_t x, uint32_t y)
{
    WindowSize s = {pic.width, pic.height};
    PressPoint p = {x, y};
    if (pic.passes(p, s, false, false)) return kPasses;
    if (pic.passes(p, s, true, false)) return kWhilePlaying;
    if (pic.passes(p, s, false, true)) return kWhileSizeFree;
    return kLocked;
}

bool Write(const Picture& pic, const std::string& folder)
{
    int w = pic.width * kZoom, h = pic.height * kZoom;
    std::vector<Rgb> pixels(w * h);
    for (int y = 0; y < pic.height; ++y) {
        for (int x = 0; x < pic.width; ++x) {
            Rgb c = ColourAt(pic, x, y);
            if (x == 0 || y == 0 || x == pic.width - 1 || y == pic.height - 1) c = kOutline;
            for (int dy = 0; dy < kZoom; ++dy) {
                for (int dx = 0; dx < kZoom; ++dx) pixels[(y * kZoom + dy) * w + x * kZoom + dx] = c;
            }
        }
    }
    std::string path = folder + "/" + pic.name + ".ppm";
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return false;
    fprintf(f, "P6\n%d %d\n255\n", w, h);
    fwrite(pixels.data(), sizeof(Rgb), pixels.size(), f);
    fclose(f);
    printf("%s\n", path.c_str());
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string folder = argc > 1 ? argv[1] : ".";
    for (const Picture& pic : kPictures) {
        if (!Write(pic, folder)) return 1;
    }
    return 0;
}
