#include "jukebox/tracklist/random_generator.h"

int RandomGenerator::next() {
    state_ = state_ * 214013u + 2531011u;  // unsigned: wraps modulo 2^32
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
}
