#include "L10n/Catalogues.h"
#include "L10n/WindowTexts.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

// The engine and the command line look texts up from worker threads while the window does from
// its own: each text is made once, and every thread is handed the same one.
TEST(Catalogues, ThreadsLookingUpAtOnceShareOneCopyOfEachText)
{
    std::vector<std::vector<const char*>> seen(4);
    std::vector<std::thread> threads;
    for (auto& mine : seen)
        threads.emplace_back([&mine] {
            for (auto language : allCases<AppLanguage>())
                for (const auto& [name, text] : WindowTexts::allText12())
                    mine.push_back((*text)(language).data());
            for (int i = 0; i < 200; ++i)
                EXPECT_EQ(Catalogues::plural("window.itemCount", AppLanguage::ru, i % 30 + 1).empty(), false);
        });
    for (auto& thread : threads)
        thread.join();
    for (const auto& other : seen)
        EXPECT_EQ(other, seen.front());
}
