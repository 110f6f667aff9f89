#include "festival_batch.h"

#include <cerrno>
#include <cstring>
#include <sstream>
#include <stdexcept>

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace twindle::speech {

namespace {

// The script's exit status when the voice is not installed, told apart from Festival's own
// failures (255 on a Scheme error).
constexpr int kNoVoice = 3;

const std::string kInstallHint = "install festival and festvox-us-slt-hts (scripts/install-deps)";

std::string schemeString(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

// With a part of speech, the words go in one by one with it, which picks the lexicon's entry
// of that reading (a letter's name rather than the article "a"); otherwise Festival reads the
// text as it would any sentence.
std::string utterance(const Clip& clip)
{
    if (clip.partOfSpeech.empty())
        return "(Utterance Text " + schemeString(clip.text) + ")";
    std::istringstream words(clip.text);
    std::string list;
    for (std::string word; words >> word;)
        list += "(" + schemeString(word) + " ((pos " + clip.partOfSpeech + "))) ";
    return "(Utterance Words (" + list + "))";
}

} // namespace

std::filesystem::path festivalWavePath(const std::filesystem::path& folder, const Clip& clip)
{
    return folder / "festival" / (clip.name + ".wav");
}

std::filesystem::path phonesPath(const std::filesystem::path& folder, const Clip& clip)
{
    return folder / (clip.name + ".phones");
}

std::string festivalScript(const std::vector<Clip>& clips, const std::filesystem::path& folder)
{
    std::string script =
        "(if (not (member 'cmu_us_slt_arctic_hts (voice.list)))\n"
        "    (begin (format stderr \"the voice cmu_us_slt_arctic_hts is missing\\n\") (exit "
        + std::to_string(kNoVoice) + ")))\n"
        "(voice_cmu_us_slt_arctic_hts)\n"
        "(define (twindle_join names)\n"
        "  (if (cdr names)\n"
        "      (string-append (car names) \" \" (twindle_join (cdr names)))\n"
        "      (car names)))\n"
        "(define (twindle_say utt wave phones)\n"
        "  (let ((u (utt.synth utt)) (fd (fopen phones \"w\")))\n"
        "    (utt.wave.resample u 16000)\n"
        "    (utt.save.wave u wave 'riff)\n"
        "    (format fd \"%s\\n\"\n"
        "            (twindle_join (mapcar item.name (utt.relation.items u 'Segment))))\n"
        "    (fclose fd)))\n";
    for (const Clip& clip : clips) {
        script += "(twindle_say " + utterance(clip) + "\n    "
                  + schemeString(festivalWavePath(folder, clip).string()) + " "
                  + schemeString(phonesPath(folder, clip).string()) + ")\n";
    }
    return script;
}

void runFestival(const std::filesystem::path& script)
{
    const std::string scriptPath = script.string();
    char program[] = "festival";
    char batch[] = "--batch";
    char* argv[] = {program, batch, const_cast<char*>(scriptPath.c_str()), nullptr};
    pid_t pid = 0;
    const int spawnError = posix_spawnp(&pid, program, nullptr, nullptr, argv, environ);
    if (spawnError == ENOENT)
        throw std::runtime_error("festival is not installed: " + kInstallHint);
    if (spawnError != 0)
        throw std::runtime_error(std::string("cannot start festival: ")
                                 + std::strerror(spawnError));

    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        throw std::runtime_error("lost track of festival");
    if (WIFEXITED(status) && WEXITSTATUS(status) == kNoVoice)
        throw std::runtime_error("Festival's voice cmu_us_slt_arctic_hts is missing: "
                                 + kInstallHint);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        throw std::runtime_error("festival failed on " + scriptPath + " (status "
                                 + std::to_string(code) + ")");
    }
}

} // namespace twindle::speech
