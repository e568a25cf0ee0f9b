#pragma once

#include <string>

// The temporary files of the saves under way, noted where a later writer finds them: a save cut
// short by a kill leaves its temporary file beside the target (".velmora2-save-XXXXXX"), and the
// next writer to start, at the next start of the program or when the window asks for a new one,
// removes it. Each note is a symbolic link, named after the writer's process, in
// $XDG_STATE_HOME/velmora2/unfinished-saves (~/.local/state/...), made and removed in one system
// call each. No Qt: the writer runs it.
class WriterJournal
{
public:
    WriterJournal();

    void note(const std::string& temporary);
    void forget(const std::string& temporary);

    // Removes the temporary files noted by writers that are no longer running, and their notes.
    // Only a regular file whose name is a temporary file's is removed.
    void removeStaleFiles();

    // The folder of the notes, empty when there is no home to keep them in.
    const std::string& folder() const { return folder_; }

private:
    std::string noteFor(const std::string& temporary) const;

    std::string folder_;
};

// The program's state folder, $XDG_STATE_HOME/velmora2 (~/.local/state/velmora2), made when
// missing; empty when there is no home to keep it in.
std::string programStateFolder();

// Whether `name` (without its folder) is the name of a writer's temporary file.
bool isWriterTemporaryName(const std::string& name);
