#pragma once
// A table view with no screen: it records what the table layer asked of it,
// so a test can check the messages, sounds and slides of a move; with
// recording off it costs nothing, for games no one watches.
#include <string>
#include <vector>

#include "engine/TableView.h"

namespace tandrel {

// Answers given in order to the questions asked, Yes once none are left; a
// message with only OK is answered OK.
inline MsgAnswer ScriptedAnswer(std::vector<MsgAnswer>& answers, MsgButtons buttons)
{
    if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    if (answers.empty()) return MsgAnswer::Yes;
    const MsgAnswer a = answers.front();
    answers.erase(answers.begin());
    return a;
}

struct SlideRecord {
    float x, y, targetX, targetY;
};

struct CardDraw {
    Surface surface;
    int x, y, card;
};

class HeadlessView : public TableView {
public:
    // Messages, in order; answers to give to questions, in order (Yes when none left).
    std::vector<std::string> messages;
    std::vector<MsgAnswer> answers;
    std::vector<int> sounds;
    std::vector<SlideRecord> slides;
    std::vector<std::pair<float, float>> frames;
    std::vector<CardDraw> draws;
    std::vector<int> pauses;
    int scoreBoards = 0;
    int statusPanels = 0;
    bool record = true; // off for the soak: nothing kept, nothing costs

    void DrawCard(Surface s, int x, int y, int card) override
    {
        if (record) draws.push_back({s, x, y, card});
    }
    void RestoreBackground(Surface, int, int, int, int) override {}
    void SnapshotTable() override { tableBuffer_ = true; }
    bool HasTableBuffer() const override { return tableBuffer_; }
    void CaptureDragImage(int, int, int, int) override {}
    void ReleaseBuffers() override { tableBuffer_ = false; }
    void ShowTableBuffer() override {}
    void SlideStarted(float x, float y, float tx, float ty) override
    {
        if (record) slides.push_back({x, y, tx, ty});
    }
    void DrawMoveFrame(float x, float y, int, int) override
    {
        if (record) frames.emplace_back(x, y);
    }
    void FrameDelay() override {}
    void DrawTableBackground() override {}
    void DrawFoundationWells() override {}
    void DrawStock(int) override {}
    void DrawEmptyStock(int) override {}
    void ShowHandAtEnd(int) override {}
    void ScoreBoard(bool) override { ++scoreBoards; }
    void StatusPanel(bool) override { ++statusPanels; }
    void RedrawTable() override {}
    void Pause(int ms) override
    {
        if (record) pauses.push_back(ms);
    }
    void DoEvents() override {}
    void PlayWave(int index) override
    {
        if (record) sounds.push_back(index);
    }
    MsgAnswer ShowMessage(const std::string& text, MsgIcon, MsgButtons buttons, const std::string&) override
    {
        if (record) messages.push_back(text);
        return ScriptedAnswer(answers, buttons);
    }
    void SetBusyCursor(bool) override {}

    void Clear()
    {
        messages.clear(), sounds.clear(), slides.clear(), frames.clear(), draws.clear(), pauses.clear();
        scoreBoards = statusPanels = 0;
    }

private:
    bool tableBuffer_ = false;
};

} // namespace tandrel
