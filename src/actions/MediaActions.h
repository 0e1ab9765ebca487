/*
 * Control of a running media player, or the media keys when none runs.
 */
#pragma once

namespace q5 {

class MediaActions {
public:
    virtual ~MediaActions() = default;

    virtual void MediaPlayPause() = 0;
    virtual void MediaStop() = 0;
    virtual void MediaPrevious() = 0;
    virtual void MediaNext() = 0;
};

}  // namespace q5
