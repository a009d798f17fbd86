#pragma once

/// Whether this process can play videos. Qt's GStreamer back end crashes
/// while making a player when the GStreamer elements it builds its pipeline
/// from are missing, so the question is asked of GStreamer itself, once per
/// process and before any player exists. When the answer is no, the trace
/// log says why and videos are shown as their frames without playing.
bool VideoPlaybackAvailable();
