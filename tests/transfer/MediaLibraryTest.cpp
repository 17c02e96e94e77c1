#include "CopyTestSupport.h"
#include "ScratchFolder.h"
#include "StandIns.h"

#include "ComApartment.h"
#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

const char kStandInPlayerClass[] = "{5A5E1C01-7C1D-4F5E-9D0A-3B1C2D3E4F50}";

// How many lines mention the text, in any letter case.
int Mentions(const std::vector<std::string>& lines, std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), ::tolower);
    int count = 0;
    for (std::string line : lines) {
        std::transform(line.begin(), line.end(), line.begin(), ::tolower);
        count += line.find(text) != std::string::npos;
    }
    return count;
}

std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), ::toupper);
    return text;
}

} // namespace

TEST(iTune, AddsToTheLibraryAndToUserPlaylistsAndGivesEveryReferenceBack)
{
    StComApartment com;
    ScratchFolder local;
    const std::string clip = local.File("clip.m4v");
    const std::string song = local.File("song.mp3");
    ASSERT_TRUE(WriteWholeFile(clip, "clip") && WriteWholeFile(song, "song"));
    EXPECT_FALSE(CiTune().Add(clip.c_str())); // iTunes is not installed

    // An older copy of the clip (its path in capitals) and another file with its title.
    StStandInITunes itunes("track\t10\tclip\tC:\\other\\clip.m4v\t1\t60\t\t\t\n"
                           "track\t11\tclip\t" + Upper(clip) + "\t1\t60\t\t\t\n"
                           "playlist\t1\tLibrary\t1\t\nplaylist\t2\tRadio\t5\t\n");
    ASSERT_TRUE(itunes.IsRegistered());
    CiTune tune;
    EXPECT_TRUE(tune.Add(clip.c_str()));
    EXPECT_EQ(itunes.LiveObjects(), 0);
    std::vector<std::string> library = itunes.Library();
    EXPECT_EQ(LinesStartingWith(library, "track\t10\t").size(), 1u);
    EXPECT_EQ(Mentions(LinesStartingWith(library, "track"), clip), 1);
    EXPECT_TRUE(tune.Add(clip.c_str())); // the same file again: iTunes hands back its track
    EXPECT_EQ(Mentions(LinesStartingWith(itunes.Library(), "track"), clip), 1);

    // A new playlist is made; a playlist of another kind takes no files.
    CiTunesSyncer syncer;
    syncer.SetFromFile(song.c_str());
    syncer.SetDestination("Road Trip");
    EXPECT_TRUE(syncer.Sync());
    tune.SetPlayList("Radio");
    EXPECT_FALSE(tune.Add(clip.c_str()));
    EXPECT_FALSE(tune.Add(local.File("missing.mp3").c_str()));
    EXPECT_EQ(itunes.LiveObjects(), 0);
    library = itunes.Library();
    EXPECT_EQ(LinesStartingWith(library, "playlist\t2\tRadio\t5\t"), std::vector<std::string>{ "playlist\t2\tRadio\t5\t" });
    EXPECT_EQ(Mentions(library, "missing.mp3"), 0);

    {
        CiTuneContent content;
        ASSERT_EQ(content.GetPlayListCount(), 3);
        CString name = "unchanged";
        EXPECT_TRUE(content.GetPlayList(0, name) && name.IsEmpty()) << "the library is no user playlist";
        EXPECT_TRUE(content.GetPlayList(2, name) && name == "Road Trip");
        EXPECT_EQ(content.GetPlayList(3), nullptr);
        std::unique_ptr<CiTunesPlayList> trip(content.GetPlayList("Road Trip"));
        ASSERT_NE(trip, nullptr);
        ASSERT_EQ(trip->GetTrackCount(), 1);
        double duration = -1;
        CString album = "kept", genre, artist;
        EXPECT_EQ(std::string(trip->GetTrack(0, duration, album)), song);
        EXPECT_EQ(duration, 0.0);
        EXPECT_TRUE(trip->GetTrack(1, duration, album).IsEmpty());
        ASSERT_EQ(content.GetTrackCount(), 3);
        EXPECT_TRUE(content.GetTrack(0, name, genre, artist) && name == "clip");
        EXPECT_FALSE(content.GetTrack(3, name, genre, artist));
    }
    EXPECT_EQ(itunes.LiveObjects(), 0);
}

TEST(PmcRemote, KeepsOneEntryPerFileInTheLibraryAndThePlaylist)
{
    StComApartment com;
    ScratchFolder local;
    const std::string clip = local.File("clip.wmv");
    ASSERT_TRUE(WriteWholeFile(clip, "clip"));
    StEnvironmentVariable file("TNW_WMP_LIBRARY", local.File("wmp.txt"));
    EXPECT_FALSE(CPmcRemote().Add(clip.c_str())); // the system's player offers no automation

    // Two older entries of the clip side by side, a neighbour, and two playlists "Trip".
    const std::string longPath = "C:\\" + std::string(300, 'x') + "\\long.wmv";
    ASSERT_TRUE(WriteWholeFile(local.File("wmp.txt"),
                               "media\t1\t" + Upper(clip) + "\nmedia\t2\t" + clip + "\nmedia\t3\tC:\\other.wmv\n"
                               "playlist\t10\tTrip\t1,2,3\nplaylist\t11\tTrip\t\n"));
    StRegisteredStandIn player("WMPlayer.OCX", "tnwwmp.dll", kStandInPlayerClass);
    CPmcRemote remote;
    remote.SetPlayList("Trip");
    EXPECT_TRUE(remote.Add(clip.c_str()));
    EXPECT_FALSE(remote.GetVersion().IsEmpty());
    CPmcRemote copy(remote);
    EXPECT_TRUE(copy.Add(clip.c_str()));
    EXPECT_TRUE(copy.Add(longPath.c_str()));
    EXPECT_TRUE(copy.Add(longPath.c_str()));
    CWmpSyncer syncer;
    syncer.SetFromFile(clip.c_str());
    EXPECT_TRUE(syncer.Sync()); // the library only

    const std::vector<std::string> library = ReadLines(local.File("wmp.txt"));
    const std::vector<std::string> media = LinesStartingWith(library, "media");
    EXPECT_EQ(Mentions(media, clip), 1);
    EXPECT_EQ(Mentions(media, longPath), 1);
    EXPECT_EQ(Mentions(media, "other.wmv"), 1);
    const std::vector<std::string> trips = LinesStartingWith(library, "playlist");
    ASSERT_EQ(trips.size(), 2u);
    EXPECT_EQ(trips[0].substr(0, 16), "playlist\t10\tTrip");
    EXPECT_EQ(std::count(trips[0].begin(), trips[0].end(), ','), 0 + 1); // the neighbour and the long one
    EXPECT_EQ(trips[1], "playlist\t11\tTrip\t");
    EXPECT_EQ(ReadWholeFile(clip), "clip");

    remote.SetPlayList("New");
    EXPECT_TRUE(remote.Add(clip.c_str()));
    EXPECT_EQ(LinesStartingWith(ReadLines(local.File("wmp.txt")), "playlist").size(), 3u);
}
