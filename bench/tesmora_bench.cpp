// How long the pupil waits: creating the lesson screens, each press of "Napred", each word picked,
// building the word indexes, and a whole course.
#include "content/Form1Texts.h"
#include "content/Form3Texts.h"
#include "course/LessonScreen.h"
#include "course/WordIndex.h"
#include "screens/Program.h"
#include "screens/closing/Form4.h"
#include "screens/main/Form1.h"
#include "screens/second/Form3.h"
#include "tests/support/Pupil.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Host.h"
#include "toolkit/ListView.h"
#include "toolkit/TextArea.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

course::LessonScreen& screenOf(Program& program, int tag) {
    if (tag <= 11) {
        return program.form1();
    }
    if (tag <= 19) {
        return program.form3();
    }
    return program.form4();
}

void press(Program& program, int tag) {
    screenOf(program, tag).Command1->click();
}

// The pupil looks at what a press brought up: the screen is painted, and what it makes while the
// pupil reads gets made.
void read() {
    for (int pass = 0; pass < 3; ++pass) {
        QCoreApplication::processEvents();
    }
}

// A course that stands at `tag`, all earlier tasks solved, each panel read before its press.
void walkTo(Program& program, int tag) {
    program.form1().show();
    read();
    for (int at = 0; at < tag; ++at) {
        pupil::giveRightAnswers(program, at);
        press(program, at);
        read();
    }
}

// The main screen as it comes up (its introduction made), with the frames of the two later screens.
void createLessonScreens(benchmark::State& state) {
    for (auto _ : state) {
        toolkit::RecordingHost host;
        Program program(host);
        program.form1().show();
    }
}
BENCHMARK(createLessonScreens)->Unit(benchmark::kMillisecond);

void pressAtTag(benchmark::State& state) {
    const int tag = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        {
            toolkit::RecordingHost host;
            Program program(host);
            walkTo(program, tag);
            pupil::giveRightAnswers(program, tag);
            state.ResumeTiming();
            press(program, tag);
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
}
BENCHMARK(pressAtTag)->DenseRange(0, 20)->Iterations(10)->Unit(benchmark::kMicrosecond);

void refusedPress(benchmark::State& state) {
    toolkit::RecordingHost host;
    Program program(host);
    walkTo(program, 1);
    for (auto _ : state) {
        press(program, 1);
    }
}
BENCHMARK(refusedPress)->Unit(benchmark::kMicrosecond);

// One click on each reading text; the entry it adds is taken out again outside the timing.
void pickWord(benchmark::State& state) {
    toolkit::RecordingHost host;
    Program program(host);
    Form1& main = program.form1();
    walkTo(program, static_cast<int>(state.range(0)));
    struct Reading {
        toolkit::TextArea* text;
        const course::WordIndex* index;
        toolkit::ListView* list;
        const char* word;
    };
    const Reading readings[] = {{main.Text3, &main.IndexText3, main.ListView1, "vladar"},
                                {main.Text36, &main.IndexText36, main.ListView2, "Austrije"},
                                {main.Text46, &main.IndexText46, main.ListView3, "stene"},
                                {main.Text50, &main.IndexText50, main.ListView4, "blago"},
                                {main.Text51, &main.IndexText51, main.ListView5, "misao"}};
    const Reading& reading = readings[state.range(1)];
    for (auto _ : state) {
        pupil::pickWord(reading.text, *reading.index, QString::fromUtf8(reading.word));
        state.PauseTiming();
        reading.list->remove(reading.list->count());
        state.ResumeTiming();
    }
}
BENCHMARK(pickWord)->Args({1, 0})->Args({5, 1})->Args({8, 2})->Args({9, 3})->Args({10, 4})->Unit(
    benchmark::kMicrosecond);

void buildWordIndexes(benchmark::State& state) {
    const QString texts[] = {content::form1::Text3(), content::form1::Text36(), content::form1::Text46(),
                             content::form1::Text50(), content::form1::Text51()};
    const course::Cleaning rules[] = {course::cleaningText3(), course::cleaningText36(),
                                      course::cleaningText46(), course::cleaningText50(),
                                      course::cleaningText51()};
    const QString poem = content::form3::Text51();
    for (auto _ : state) {
        for (int i = 0; i < 5; ++i) {
            benchmark::DoNotOptimize(course::buildWordIndex(texts[i], rules[i]));
        }
        benchmark::DoNotOptimize(course::buildPoemIndex(poem));
    }
}
BENCHMARK(buildWordIndexes)->Unit(benchmark::kMicrosecond);

void wholeCourse(benchmark::State& state) {
    for (auto _ : state) {
        toolkit::RecordingHost host;
        Program program(host);
        walkTo(program, 21);
    }
}
BENCHMARK(wholeCourse)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
