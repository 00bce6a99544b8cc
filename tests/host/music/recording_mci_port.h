#pragma once

#include "mci_port.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace music {

// A stand-in for the multimedia functions: records every call and answers
// each command string as told (by default success with an empty reply).
class RecordingMciPort : public MciPort {
  public:
    struct Answer {
        std::uint32_t code = 0;
        std::string reply;         // may hold NULs; written like the real function does
        bool unterminated = false; // fill the whole buffer with no NUL, like a careless driver
    };
    struct Sent {
        std::string command;
        bool withReply;
        unsigned replySize;
    };
    struct Played {
        std::optional<std::string> path;
        unsigned flags;
    };

    std::map<std::string, Answer> answers;
    std::map<std::uint32_t, std::string> errorTexts;
    unsigned waveDevices = 1;

    std::vector<Sent> sent;
    std::vector<Played> played;
    int errorTextCalls = 0;

    void answer(const std::string& command, std::string reply, std::uint32_t code = 0) {
        answers[command] = Answer{code, std::move(reply), false};
    }
    void fail(const std::string& command, std::uint32_t code) {
        answers[command] = Answer{code, "", false};
    }
    // Answers of the CD watch's queries for a drive with a ten-track disc in it.
    void insertDisc(const std::string& track, const std::string& mode) {
        answer("status cdaudio current track", track);
        answer("status cdaudio number of tracks", "10");
        answer("status cdaudio mode", mode);
    }

    std::vector<std::string> commands() const {
        std::vector<std::string> result;
        for (const Sent& s : sent)
            result.push_back(s.command);
        return result;
    }
    void clear() {
        sent.clear();
        played.clear();
    }

    std::uint32_t sendString(const std::string& command, char* reply, unsigned replySize) override {
        sent.push_back({command, reply != nullptr, replySize});
        const auto found = answers.find(command);
        const Answer answer = found == answers.end() ? Answer{} : found->second;
        if (reply && replySize > 0) {
            if (answer.unterminated) {
                std::memset(reply, 'x', replySize);
                std::memcpy(reply, answer.reply.data(),
                            std::min<std::size_t>(answer.reply.size(), replySize));
            } else if (answer.code == 0) {
                const std::size_t n = std::min<std::size_t>(answer.reply.size(), replySize - 1);
                std::memcpy(reply, answer.reply.data(), n);
                reply[n] = '\0';
            }
        }
        return answer.code;
    }

    bool errorText(std::uint32_t code, char* buffer, unsigned size) override {
        ++errorTextCalls;
        const auto found = errorTexts.find(code);
        if (found == errorTexts.end() || size == 0)
            return false;
        const std::size_t n = std::min<std::size_t>(found->second.size(), size - 1);
        std::memcpy(buffer, found->second.data(), n);
        buffer[n] = '\0';
        return true;
    }

    unsigned waveOutDeviceCount() override { return waveDevices; }

    int playSound(const char* path, unsigned flags) override {
        played.push_back({path ? std::optional<std::string>(path) : std::nullopt, flags});
        return 1;
    }
};

} // namespace music
