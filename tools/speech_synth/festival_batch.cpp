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

std::string installHint(const Voice& voice)
{
    return "install festival and " + voice.package + " (scripts/install-deps)";
}

// Festival reads 8-bit text, and its voices for languages written in the Latin alphabet read
// ISO 8859-1: "bebè" has to come as such. The table is UTF-8.
std::string latin1(const std::string& utf8)
{
    std::string text;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80) {
            text += char(byte);
        } else if ((byte == 0xC2 || byte == 0xC3) && i + 1 < utf8.size()) {
            text += char(((byte & 0x03) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
        } else {
            throw std::runtime_error("\"" + utf8 + "\" has a letter that Festival cannot read (beyond ISO 8859-1)");
        }
    }
    return text;
}

std::string schemeString(const std::string& utf8)
{
    const std::string text = latin1(utf8);
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

std::string festivalScript(const std::vector<Clip>& clips, const std::filesystem::path& folder,
                           const Voice& voice)
{
    std::string script =
        "(if (not (member '" + voice.name + " (voice.list)))\n"
        "    (begin (format stderr \"the voice " + voice.name + " is missing\\n\") (exit "
        + std::to_string(kNoVoice) + ")))\n"
        "(voice_" + voice.name + ")\n"
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

void runFestival(const std::filesystem::path& script, const Voice& voice)
{
    const std::string scriptPath = script.string();
    char program[] = "festival";
    char batch[] = "--batch";
    char* argv[] = {program, batch, const_cast<char*>(scriptPath.c_str()), nullptr};
    pid_t pid = 0;
    const int spawnError = posix_spawnp(&pid, program, nullptr, nullptr, argv, environ);
    if (spawnError == ENOENT)
        throw std::runtime_error("festival is not installed: " + installHint(voice));
    if (spawnError != 0)
        throw std::runtime_error(std::string("cannot start festival: ")
                                 + std::strerror(spawnError));

    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        throw std::runtime_error("lost track of festival");
    if (WIFEXITED(status) && WEXITSTATUS(status) == kNoVoice)
        throw std::runtime_error("Festival's voice " + voice.name + " is missing: " + installHint(voice));
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        throw std::runtime_error("festival failed on " + scriptPath + " (status "
                                 + std::to_string(code) + ")");
    }
}

} // namespace twindle::speech
