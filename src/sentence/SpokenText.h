#pragma once

#include <string>
#include <string_view>

class CLSSentence;
class CLSSentenceItemObject;

/// What a sentence's embedded file is, by its name.
enum class CLSMediaKind { kPicture, kVideo, kSound };

/// The kind of a medium by its file name's extension (case ignored): the
/// picture formats the program reads, the sound formats, and a video for
/// anything else.
CLSMediaKind MediaKindByName(std::string_view fileName);

/// A sentence as a screen reader reads it (UTF-8): the runs with their
/// escapes resolved and every line break as one space, and each picture,
/// video or sound as its kind and file name ("画像: apple.png"), in the
/// program's language.
std::string SpokenText(const CLSSentence& sentence);
/// One picture, video or sound as SpokenText reads it.
std::string SpokenObjectText(const CLSSentenceItemObject& object);
