// Names of the word-table rows the program shows. Code reads texts only through these names, so a
// row used anywhere can be checked for a text in every language (see word_table_test).
//
// Rows are grouped by the kind of text; dialog texts that have no fixed number of their own were
// given free rows of the group of their kind, and this list is the one record of those choices.
#pragma once

namespace tarnel::rows {

// X(Name, row) for every named row; the comment is the English text.
#define TARNEL_WORD_ROWS(X)                                                                        \
  /* Main menu and club list */                                                                    \
  X(NewPlayer, 0)         /* "New Player" */                                                       \
  X(EliteClub, 1)         /* "Elite Club" */                                                       \
  X(Options, 2)           /* "Options" */                                                          \
  X(TopTen, 3)            /* "Top Ten" */                                                          \
  X(Exit, 4)              /* "Exit" */                                                             \
  X(History, 5)           /* "History" */                                                          \
  X(Mode, 6)              /* "Mode" */                                                             \
  X(ClubHeadingScore, 7)  /* " The members of club    Games    Score " */                          \
  X(ClubHeadingRating, 8) /* " The members of club    Games   Rating " */                          \
  /* About box and help */                                                                         \
  X(Programmer, 10)        /* "The programmer:" */                                                 \
  X(Excuse, 17)            /* "Excuse!" */                                                         \
  X(HelpNotTranslated, 18) /* "The file of the help is not translated to the English language." */ \
  /* Buttons, leaving, menu items */                                                               \
  X(RoundOk, 19)             /* "OK" */                                                            \
  X(Cancel, 20)              /* "Cancel" */                                                        \
  X(ExitToMenu, 21)          /* "Exit to menu" */                                                  \
  X(LeaveToMenuQuestion, 22) /* "You want to leave in the main menu?" */                           \
  X(DataWillBeLost, 23)      /* "All datas for want of it will be lost!" */                        \
  X(LeaveGameQuestion, 24)   /* "You want to leave from game?" */                                  \
  X(GeneralScore, 25)        /* "General score" */                                                 \
  X(ChangeName, 26)          /* "To change a name" */                                              \
  X(Help, 27)                /* "Help" */                                                          \
  X(Comment, 28)             /* "Comment" */                                                       \
  X(About, 29)               /* "About" */                                                         \
  /* Options tabs and groups */                                                                    \
  X(TabGeneral, 30) /* "General" */                                                                \
  X(Multimedia, 32) /* "Multimedia" */                                                             \
  X(Sound, 33)      /* "Sound" */                                                                  \
  X(Music, 34)      /* "Music" */                                                                  \
  X(TabCards, 38)   /* "Cards" */                                                                  \
  X(TabDecks, 39)   /* "Decks" */                                                                  \
  X(TabFonts, 40)   /* "Fonts" */                                                                  \
  /* Window sizes */                                                                               \
  X(SmallWindow, 44)    /* "Small window" */                                                       \
  X(AverageWindow1, 45) /* "Average window 1" */                                                   \
  X(AverageWindow2, 46) /* "Average window 2" */                                                   \
  X(LargeWindow, 47)    /* "Large window" */                                                       \
  X(FullScreen, 48)     /* "Full screen" */                                                        \
  /* End-of-game verdict, history file list and game kinds */                                      \
  X(Congratulations, 49)         /* "CONGRATULATIONS!!!" */                                        \
  X(ResultTheBest, 50)           /* "Your result - the best!" */                                   \
  X(ResultLabel, 51)             /* "Result: " */                                                  \
  X(MasterOfTheOrder, 52)        /* "You become a Master of the Order!" */                         \
  X(BachelorOfTheOrder, 53)      /* "You become a Bachelor of the Order!" */                       \
  X(VicePresidentOfTheOrder, 54) /* "You become the Vice-President of the order!" */               \
  X(GoodResult, 55)              /* "Good result!" */                                              \
  X(HitTopTen, 56)               /* "You have hitted in top ten players!" */                       \
  X(OurRegrets, 57)              /* "Our regrets..." */                                            \
  X(ResultKeepsToWishBest, 58)   /* "Your result keeps to wish best" */                            \
  X(PlaceLabel, 59)              /* "Place: " */                                                   \
  X(NotHitTopTen, 60)            /* "You have not hitted in ten best players..." */                \
  X(CompletionOfGame, 61)        /* "The completion of game" */                                    \
  X(HistoryFileEntry, 62)        /* "File I" */                                                    \
  X(KindLocal, 63)               /* "Local" */                                                     \
  X(KindNet, 64)                 /* "Net" */                                                       \
  X(KindAccount, 65)             /* "Account" */                                                   \
  X(KindTourney, 66)             /* "Tourney" */                                                   \
  /* Player dialog checks, network roles */                                                        \
  X(IncorrectName, 67)          /* "Incorrect name!" */                                            \
  X(PasswordsDoNotCoincide, 68) /* "The passwords do not coincide!" */                             \
  X(IncorrectPassword, 69)      /* "The incorrect password!" */                                    \
  X(IncorrectIpAddress, 70)     /* "Incorrect IP-address!" */                                      \
  X(IncorrectPort, 71)          /* "Incorrect Port!" */                                            \
  X(NameChanged,                                                                                   \
    72) /* "Your name and/or the password were successfully changed!\n\rNew name: " */             \
  X(LogInToYourAccount, 73) /* "Log in to your account!" */                                        \
  X(MrX, 74)                /* "Mr.X" */                                                           \
  X(HasInterruptedGame, 75) /* "has interrupted game!" */                                          \
  X(RoleClient, 76)         /* "Client" */                                                         \
  X(RoleServer, 77)         /* "Server" */                                                         \
  X(LoopHint, 78)           /* "Loop" */                                                           \
  /* Score information dialog */                                                                   \
  X(CountCaption, 79)         /* "Player" */                                                       \
  X(InformationAboutGame, 80) /* "Information about game" */                                       \
  X(CurrentScore, 81)         /* "The current score:" */                                           \
  X(InitialScore, 82)         /* "The initial score:" */                                           \
  X(TotalScore, 83)           /* "The general score:" */                                           \
  X(GeneralNumberOfGame, 84)  /* "General number of game:" */                                      \
  X(RoundInCycle, 85)         /* "Number of round in a current cycle:" */                          \
  X(RoundInSession, 86)       /* "Number of round in a current session:" */                        \
  X(InitialRating, 87)        /* "The initial rating:" */                                          \
  X(CurrentRating, 88)        /* "The current rating:" */                                          \
  X(Ok, 89)                   /* "Ok" */                                                           \
  /* File and disk errors */                                                                       \
  X(TheFile, 90) /* "The file "" */                                                                \
  X(HasIncorrectAttributes,                                                                        \
    91) /* "" has incorrect attributes!\n\rThe work of the program will be incorrect!" */          \
  X(IncorrectFile, 92)       /* "The incorrect file" */                                            \
  X(CantFindFile, 93)        /* "Can`t find the file" */                                           \
  X(DiskWriteError, 94)      /* "Error of disk writing!" */                                        \
  X(CantSaveHistory, 95)     /* "Cann`t save history!" */                                          \
  X(CantSaveOptions, 96)     /* "Can`t save options!" */                                           \
  X(Attention, 97)           /* "Attention" */                                                     \
  X(CantCreateMusicFile, 98) /* "Can`t create music file!" */                                      \
  /* Player dialog */                                                                              \
  X(Welcome, 99)              /* "Welcome!" */                                                     \
  X(EnterYourName, 100)       /* "Enter Your name:" */                                             \
  X(EnterYourPassword, 101)   /* "Enter Your password:" */                                         \
  X(PasswordAgain, 102)       /* "And once again for check..." */                                  \
  X(ExpectationOfServer, 103) /* "Expectation of the server..." */                                 \
  X(Multiplayer, 104)         /* "Multiplayer" */                                                  \
  X(EnterServerIp, 105)       /* "Enter IP of server:" */                                          \
  X(EnterServerPort, 106)     /* "Enter Port of server:" */                                        \
  X(NumberGames, 107)         /* "Number games:" */                                                \
  X(ServerClient, 108)        /* "Server / Client" */                                              \
  X(ServerCreatesGame, 109)   /* "Server create the game" */                                       \
  X(ClientEntersGame, 110)    /* "Client enters to game" */                                        \
  X(ReceiveIpAddresses, 111)  /* "To receive the IP-addresses" */                                  \
  /* Library download */                                                                           \
  X(Download, 144) /* "Download" */                                                                \
  /* Waiting, unavailable services, passport, regions, chat, statistics */                         \
  X(PleaseWait, 153)             /* "Please, wait..." */                                           \
  X(WorldTopTenUnavailable, 154) /* "World Top Ten Tournament is temporarily unavailable!" */      \
  X(ChatUnavailable, 155)        /* "Chat is temporarily unavailable!" */                          \
  X(CantWriteResult, 156)        /* "Unable to write the result of the game!" */                   \
  X(CantSendMessage, 157)        /* "Unable to send a message!" */                                 \
  X(Send, 158)                   /* "Send" */                                                      \
  X(Close, 159)                  /* "Close" */                                                     \
  X(YourScore, 160)              /* "Your score" */                                                \
  X(YourPlace, 161)              /* "Your place" */                                                \
  X(NumberOfGames, 162)          /* "Number of games" */                                           \
  X(Passport, 163)               /* "Passport" */                                                  \
  X(PassportNick, 164)           /* "Nick" */                                                      \
  X(PassportCountry, 165)        /* "Country" */                                                   \
  X(PassportCity, 166)           /* "City" */                                                      \
  X(NoConnect, 167)              /* "No Connect" */                                                \
  X(Europe, 168)                 /* "Europe" */                                                    \
  X(Asia, 169)                   /* "Asia" */                                                      \
  X(NorthAmerica, 170)           /* "North America" */                                             \
  X(SouthAmerica, 171)           /* "South America" */                                             \
  X(Oceania, 172)                /* "Oceania" */                                                   \
  X(Africa, 173)                 /* "Africa" */                                                    \
  X(Male, 174)                   /* "Male" */                                                      \
  X(Female, 175)                 /* "Female" */                                                    \
  X(NoConnectUpper, 176)         /* "NO CONNECT" */                                                \
  X(WorldTopTen, 177)            /* "World Top Ten" */                                             \
  X(Chat, 178)                   /* "Chat" */                                                      \
  X(QelGamesChat, 179)           /* "Qel Games Chat" */                                            \
  X(LastMessageAtBottom, 180)    /* "Last message at the bottom" */                                \
  X(OpenOnNewMessage, 181)       /* "Open this window when a new message" */                       \
  X(Statistics, 182)             /* "Statistics" */                                                \
  X(NumberOfStarts, 183)         /* "Number of starts" */                                          \
  X(NumberOfUniqueStarts, 184)   /* "Number of unique starts" */                                   \
  X(Likes, 185)                  /* "Likes" */                                                     \
  X(LastLike, 186)               /* "Last Like" */                                                 \
  X(ILikeThisGame, 187)          /* "I like this game!" */                                         \
  /* Club account, profile, results, world boards */                                               \
  X(CouldNotConnect, 188)           /* "Could not connect to server!" */                           \
  X(Repeat, 189)                    /* "Repeat?" */                                                \
  X(RatedGameOn, 190)               /* "There is a game on the rating!" */                         \
  X(NotLoggedIn, 193)               /* "You are not logged in to your account!" */                 \
  X(LoggedIn, 194)                  /* "You are logged in to your account!" */                     \
  X(ClubName, 195)                  /* "Qel Games Club" */                                         \
  X(MyAccount, 196)                 /* "My account" */                                             \
  X(MyResults, 197)                 /* "My results" */                                             \
  X(LoginToAccount, 198)            /* "Login to account" */                                       \
  X(SignOut, 199)                   /* "Sign out" */                                               \
  X(YourAccountInformation, 200)    /* "Your account information" */                               \
  X(Nick, 201)                      /* "Nick" */                                                   \
  X(Password, 202)                  /* "Password" */                                               \
  X(Country, 203)                   /* "Country" */                                                \
  X(City, 204)                      /* "City" */                                                   \
  X(Sex, 205)                       /* "Sex" */                                                    \
  X(Registration, 206)              /* "Registration" */                                           \
  X(HidePassword, 207)              /* "Hide password" */                                          \
  X(PlayGlobalRating, 208)          /* "Play global rating" */                                     \
  X(ClubMembers, 209)               /* "Club members: " */                                         \
  X(AccountCreated, 210)            /* "Your account has been successfully created!" */            \
  X(NickTaken, 211)                 /* "The club already has a player with the same Nick!" */      \
  X(CantCreateAccount, 212)         /* "Could not create account!" */                              \
  X(LoginFailed, 213)               /* "Login failed!" */                                          \
  X(InformationAboutYourGames, 214) /* "Information about your games" */                           \
  X(ResultsGame, 215)               /* "Game" */                                                   \
  X(ResultsPlayer, 216)             /* "Player" */                                                 \
  X(Rating, 217)                    /* "Rating" */                                                 \
  X(Place, 218)                     /* "Place" */                                                  \
  X(PlayedGames, 219)               /* "Played games" */                                           \
  X(MyBestScore, 220)               /* "My best score" */                                          \
  X(TopTenRated, 221)               /* "Top 10 best rated players" */                              \
  X(CreateAccount, 222)             /* "Create an account" */                                      \
  X(Save, 223)                      /* "Save" */                                                   \
  X(Delete, 224)                    /* "Delete" */                                                 \
  X(PlayedCycles, 225)              /* "Played cycles" */                                          \
  X(CurrentDeal, 226)               /* "Current Deal" */                                           \
  X(ResultsCurrentScore, 227)       /* "Current Score" */                                          \
  X(EMail, 228)                     /* "E-Mail" */                                                 \
  X(Top10, 229)                     /* "Top 10" */                                                 \
  X(BoardAccountRating, 230)        /* "ACCOUNT. RATING. ALL GAMES" */                             \
  X(BoardAccountScore, 231)         /* "ACCOUNT. SCORE. GAMES IN CYCLE" */                         \
  X(BoardWindowsScore, 232)         /* "WINDOWS. SCORE. GAMES IN CYCLE" */                         \
  X(BoardAndroidScore, 233)         /* "ANDROID. SCORE. GAMES IN CYCLE" */                         \
  X(BoardWindowsTournament, 234)    /* "WINDOWS. ONLINE TOURNAMENT" */                             \
  X(BoardLocalGames, 235)           /* "WINDOWS. LOCAL GAMES WITH PC" */                           \
  X(BoardNetGames, 236)             /* "WINDOWS. NET GAMES" */                                     \
  X(AboutMe, 251)                   /* "About me" */                                               \
  X(President, 253)                 /* "President" */                                              \
  X(Refresh, 254)                   /* "Refresh" */                                                \
  X(CopiedToClipboard, 255)         /* "Copied to clipboard!" */                                   \
  X(PresidentOfTheOrder, 257)       /* "President of the Order" */                                 \
  X(YourName, 258)                  /* "Your name" */                                              \
  X(YourSurname, 259)               /* "Your surname" */                                           \
  X(AboutYou, 260)                  /* "About you" */                                              \
  X(YourTelephone, 261)             /* "Your telephone" */                                         \
  X(YourEMail, 262)                 /* "Your e-mail" */                                            \
  X(YourWebsite, 263)               /* "Your website" */                                           \
  X(YourSkype, 264)                 /* "Your Skype" */                                             \
  X(YourOk, 265)                    /* "Your OK" */                                                \
  X(YourVk, 266)                    /* "Your VK" */                                                \
  X(YourTelegram, 267)              /* "Your Telegram" */                                          \
  X(YourFacebook, 268)              /* "Your Facebook" */                                          \
  X(YourTwitter, 269)               /* "Your Twitter" */                                           \
  X(YourInstagram, 270)             /* "Your Instagram" */                                         \
  X(YourYouTube, 271)               /* "Your YouTube" */                                           \
  X(PhotoFormat, 272)       /* "The photo must be in jpg format 200x250 pixels in size!" */        \
  X(PhotoUploadFailed, 273) /* "Failed to upload photo to server!" */                              \
  X(ProfileVisible, 274)    /* "This information may be visible to other club members." */         \
  X(UpdateInfo, 275)        /* "Update info" */                                                    \
  X(RefreshPhoto, 276)      /* "Refresh photo" */                                                  \
  X(CloseProfile, 277)      /* "Close" */                                                          \
  /* Options texts */                                                                              \
  X(Modification, 278)       /* "Modification" */                                                  \
  X(ToChangeDecks, 279)      /* "To change decks" */                                               \
  X(AlwaysOne, 280)          /* "Always one" */                                                    \
  X(Random, 281)             /* "Random" */                                                        \
  X(GifAnimation, 282)       /* "Gif-animation" */                                                 \
  X(FlyCards, 283)           /* ""Fly" cards" */                                                   \
  X(RedMouseCursor, 284)     /* "Red mouse cursor" */                                              \
  X(NewButtons, 285)         /* "New buttons" */                                                   \
  X(LargeFont, 286)          /* "Large font" */                                                    \
  X(SmallFont, 287)          /* "Small font" */                                                    \
  X(SpecialFont, 288)        /* "Special font" */                                                  \
  X(ScalePercent, 289)       /* "Scale, %" */                                                      \
  X(Default, 290)            /* "Default" */                                                       \
  X(FontWarning, 291)        /* "Change the fonts only if the texts of the program look wrong!" */ \
  X(SaveGames, 292)          /* "Save games" */                                                    \
  X(SaveGamesAsGifs, 293)    /* "Save games as GIFs" */                                            \
  X(SaveMainWindowOnly, 294) /* "Save contents of only the main window" */                         \
  X(SaveScreen, 295)         /* "Save screen contents" */                                          \
  X(DelayBetweenFrames, 296) /* "Delay between frames, msec." */                                   \
  X(CreatingGif, 297)        /* "Creating a GIF..." */                                             \
  X(Speed, 298)              /* "Speed" */                                                         \
  X(ChoiceOfSpeed, 299)      /* "Choice of speed" */                                               \
  X(SelectFlightSpeed, 300)  /* "Select a flight speed of cards:" */                               \
  X(RadioListSource, 301)    /* "Reading the list of radio stations" */                            \
  X(FromServer, 302)         /* "From the server" */                                               \
  X(FromDisk, 303)           /* "From disk" */                                                     \
  /* Card-face designs (row kCardDesignFirst + design) and back sets */                            \
  X(CardDesignFirst, 304) /* "Classical-1" */                                                      \
  X(CardDesignLast, 351)  /* "Czech" */                                                            \
  X(BackAnimals, 352)     /* "Animals" */                                                          \
  X(BackFlowers, 353)     /* "Flowers" */                                                          \
  X(BackOther, 354)       /* "Other" */                                                            \
  X(BackRussian, 355)     /* "Russian" */                                                          \
  X(BackPlaces, 356)      /* "Places" */                                                           \
  X(BackCarpet, 357)      /* "Carpet" */                                                           \
  X(BackCross, 358)       /* "Cross" */                                                            \
  X(BackChess, 359)       /* "Chess" */                                                            \
  X(BackDiamond, 360)     /* "Diamond" */                                                          \
  X(BackKnightly, 361)    /* "Knightly" */                                                         \
  /* Backgrounds, colours, designs, salute */                                                      \
  X(TabBackground, 362)         /* "BG" */                                                         \
  X(Background, 363)            /* "Background" */                                                 \
  X(BackgroundFirst, 365)       /* "Sun" */                                                        \
  X(BackgroundLast, 374)        /* "Ornament" */                                                   \
  X(ColourGreen, 375)           /* "Green" */                                                      \
  X(ColourRed, 376)             /* "Red" */                                                        \
  X(ColourOrange, 377)          /* "Orang" */                                                      \
  X(ColourViolet, 378)          /* "Violet" */                                                     \
  X(ColourYellow, 379)          /* "Yellow" */                                                     \
  X(ColourLightBlue, 380)       /* "Light-Blue" */                                                 \
  X(ColourDarkBlue, 381)        /* "Dark Blue" */                                                  \
  X(TabDesign, 382)             /* "Design" */                                                     \
  X(MainMenuDesign, 383)        /* "Main Menu Design" */                                           \
  X(GameTableDesign, 384)       /* "Game Table Design" */                                          \
  X(AuxiliaryWindowDesign, 385) /* "Auxiliary Window Design" */                                    \
  X(Customizable, 386)          /* "Customizable" */                                               \
  X(Purple, 387)                /* "Purple" */                                                     \
  X(GrayConcise, 388)           /* "Gray concise" */                                               \
  X(GrayAristocratic, 389)      /* "Gray aristocratic" */                                          \
  X(GrayWithRedRibbons, 390)    /* "Gray with red ribbons" */                                      \
  X(Salute, 391)                /* "Salute" */                                                     \
  X(SaluteButtons, 392)         /* "Buttons" */                                                    \
  X(SaluteCards, 393)           /* "Cards" */                                                      \
  /* Wait dialog */                                                                                \
  X(ExpectationOfPlayers, 394)  /* "Expectation of connection of other players..." */              \
  X(ExpectationOfGame, 395)     /* "Expectation of game..." */                                     \
  X(SecondPlayerConnected, 396) /* "The second player was connected..." */                         \
  X(ThirdPlayerConnected, 397)  /* "The third player was connected..." */                          \
  X(FourthPlayerConnected, 398) /* "The fourth player was connected..." */                         \
  X(NoAccessibleGames, 399)     /* "There are no accessible games" */                              \
  X(PressOkForMenu, 400)        /* "Press OK for exit to the main menu..." */                      \
  /* History window */                                                                             \
  X(HistoryTime, 401)    /* "Time" */                                                              \
  X(HistoryDate, 402)    /* "Date" */                                                              \
  X(HistoryPlayer, 403)  /* "Player" */                                                            \
  X(HistoryGames, 404)   /* "Games" */                                                             \
  X(HistoryResult, 405)  /* "Result" */                                                            \
  X(HistoryRating, 406)  /* "Rating" */                                                            \
  X(HistoryType, 407)    /* "Type" */                                                              \
  X(HistoryOfGames, 408) /* "History of games" */                                                  \
  X(NoHistoryFiles, 409) /* "No History Files" */                                                  \
  /* Round and game words, the rule option */                                                      \
  X(CurrentGame, 411)    /* "Current game" */                                                      \
  X(Game, 412)           /* "Game" */                                                              \
  X(ToBeginOfRound, 414) /* "To Begin of Round" */                                                 \
  X(Round, 415)          /* "Round:" */                                                            \
  X(NextRound, 417)      /* "Next Round" */                                                        \
  X(ToSumUpOfGame, 427)  /* "To sum up of game" */                                                 \
  X(TabGame, 516)        /* "Game" */                                                              \
  X(Convention, 633)     /* "Convention" */                                                        \
  X(GameRuleGroup, 685)  /* "Game" */                                                              \
  X(TenCardsOnce, 686)   /* "For 10 cards 1 time" */                                               \
  X(SixCardsThrice, 687) /* "For 6 cards 3 times" */                                               \
  X(ExpertOpponent, 688) /* "Expert opponent" */                                                   \
  /* Radio, statistics, chat and news hints, tournament */                                         \
  X(Radio, 1016)                 /* "Radio" */                                                     \
  X(QelInternetRadio, 1017)      /* "Qel Internet-Radio" */                                        \
  X(CantFind, 1018)              /* "Can`t find " */                                               \
  X(StatisticsSince, 1019)       /* "This statistic is maintained since version 5.2" */            \
  X(GamesWithPc, 1020)           /* "Games played with PC" */                                      \
  X(CyclesWithPc, 1021)          /* "Cycles played with PC" */                                     \
  X(PeopleWins, 1022)            /* "Winning people (game with PC)" */                             \
  X(PeopleLosses, 1023)          /* "Loss of people (game with PC)" */                             \
  X(GamesNet, 1024)              /* "Games played Net" */                                          \
  X(GamesOnline, 1025)           /* "Games played Online" */                                       \
  X(QelNews, 1026)               /* "Qel News!" */                                                 \
  X(QelChat, 1027)               /* "Qel Chat!" */                                                 \
  X(AllCountries, 1028)          /* "All" */                                                       \
  X(DynamicIq, 1031)             /* "Dynamic IQ for Windows (percent)" */                          \
  X(FigureGamesWithPc, 1032)     /* "Games played with PC" */                                      \
  X(BestWindowsPlayer, 1033)     /* "Best Windows Player: " */                                     \
  X(BestAndroidPlayer, 1034)     /* "Best Android Player: " */                                     \
  X(BestAccountPlayer, 1035)     /* "The best player of games from under the account: " */         \
  X(BoardEmpty, 1036)            /* "No" */                                                        \
  X(WorldOnlineTournament, 1037) /* "WORLD ONLINE TOURNAMENT" */                                   \
  X(Table, 1038)                 /* "Table" */                                                     \
  X(ServerOff, 1039)             /* "Server Off" */                                                \
  X(ServerOn, 1040)              /* "Server On" */                                                 \
  X(LogOff, 1041)                /* "Log off" */                                                   \
  X(TakeThePlace, 1042)          /* "Take the place of" */                                         \
  X(FreeSeat, 1043)              /* "Free" */                                                      \
  X(TableOccupiedByYourIp, 1044) /* "This table is already occupied by a player with your IP!" */  \
  X(ServerConnectionError, 1045) /* "Server connection error!" */                                  \
  X(YourTimeIsUp, 1046)          /* "Your time is up!" */                                          \
  X(YouLose, 1047)               /* "You lose!" */                                                 \
  X(InterruptedTheGame, 1048)    /* "interrupted the game!" */                                     \
  X(YouWon, 1049)                /* "You won!" */                                                  \
  X(TimeIsUp, 1050)              /* "time is up!" */                                               \
  X(LostConnection, 1051)        /* "Lost connection with the server!" */                          \
  X(NumberGamesHint, 1052)       /* "Number games " */                                             \
  X(OrderScore, 1054)            /* "Score" */                                                     \
  X(OrderRating, 1055)           /* "Rating" */                                                    \
  X(OrderGames, 1056)            /* "Games" */                                                     \
  X(Hint, 1057)                  /* "Hint" */                                                      \
  /* end */

#define TARNEL_WORD_ROW_CONSTANT(name, row) inline constexpr int k##name = row;
TARNEL_WORD_ROWS(TARNEL_WORD_ROW_CONSTANT)
#undef TARNEL_WORD_ROW_CONSTANT

// No row: a caption or message that does not come from the table.
inline constexpr int kNone = -1;

// Blocks addressed as base row plus offset.
inline constexpr int kCardDesignCount = 48;  // kCardDesignFirst + CardDesign
inline constexpr int kBackgroundCount = 10;  // kBackgroundFirst + BackgroundIndex - 1
// The club-list heading is kMode + club mode (1 score, 2 rating).
static_assert(kClubHeadingScore == kMode + 1 && kClubHeadingRating == kMode + 2);
static_assert(kCardDesignLast == kCardDesignFirst + kCardDesignCount - 1);
static_assert(kBackgroundLast == kBackgroundFirst + kBackgroundCount - 1);

// Back-set names in back-set order (0-12).
inline constexpr int kBackSetRows[13] = {
    kCardDesignFirst, kCardDesignFirst + 1, kCardDesignFirst + 23, kBackCarpet,  kBackCross,
    kBackChess,       kBackDiamond,         kBackKnightly,         kBackAnimals, kBackFlowers,
    kBackPlaces,      kBackOther,           kBackRussian};
// Table-cloth colours in BackgroundColour order (0-6).
inline constexpr int kBackgroundColourRows[7] = {kColourGreen,  kColourRed,       kColourOrange,
                                                 kColourYellow, kColourLightBlue, kColourDarkBlue,
                                                 kColourViolet};
// Window sizes in WindowMode order (1-5).
inline constexpr int kWindowModeRows[5] = {kSmallWindow, kFullScreen, kAverageWindow1,
                                           kAverageWindow2, kLargeWindow};

}  // namespace tarnel::rows
