// Frame-set documents: whether a document divides the window into frames, and
// reading its FRAMESET structure into a frame set for the frame viewer.
#pragma once

#include <memory>
#include <string>

#include "objects/FrameSet.h"
#include "reader/ByteSource.h"
#include "reader/HtmlReader.h"

namespace codelume {

// Scans until the first structural tag: FRAMESET answers true, any tag of body
// content or the end of the input false. A file that ends inside a comment is
// no frame set; for the other sources any read or parse error answers false.
bool IsFrameSetDocument(const std::string& fileName, TIncludeType onInclude = {});
bool IsFrameSetDocument(std::unique_ptr<TByteSource> source, TIncludeType onInclude = {});

// Reads the TITLE, BASE, scripts, sounds and the FRAMESET structure into
// frameSet; true when a FRAMESET was read. Frame sources are taken relative to
// the folder of the file. Errors are answered as by IsFrameSetDocument.
bool ParseFrameSetDocument(TFrameSet& frameSet, const std::string& fileName,
                           TIncludeType onInclude = {}, TSoundType onSoundRequest = {});
bool ParseFrameSetDocument(TFrameSet& frameSet, std::unique_ptr<TByteSource> source,
                           TIncludeType onInclude = {}, TSoundType onSoundRequest = {});

}  // namespace codelume
