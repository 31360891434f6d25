#pragma once

// The updater's rules for trying again, the same for the wizard and the
// command line: a number of attempts shared by connections that hear no boot
// loader and transfers it never answers, and after each such transfer a
// longer wait for the first answer (up to a limit, then a short one, for a
// boot loader that answers at once or not at all).
class cUpdateAttempts {
public:
    static constexpr int Attempts = 6;
    static constexpr int InitialAckTimeout = 3000;

    // Uses up an attempt that failed; false when it was the last.
    bool another();
    // Uses up an attempt whose transfer never started, lengthening the next
    // one's wait for its answer; false as another().
    bool anotherTransfer();
    int ackTimeout() const { return timeout; }
    // All attempts again, for a retry the user asks for.
    void startOver() { left = Attempts; }

private:
    int left = Attempts;
    int timeout = InitialAckTimeout;
};
