// The yardstick for the game's start-up and memory: the smallest Qt Widgets
// program that shows a 640 x 480 window. Built with WITH_AUDIO it also opens
// SDL_mixer's output the way a game with sound must.
#include <QApplication>
#include <QWidget>
#ifdef WITH_AUDIO
#include <SDL.h>
#include <SDL_mixer.h>
#endif

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setApplicationName("velko-lines");
    QWidget window;
    window.resize(640, 480);
    window.show();
#ifdef WITH_AUDIO
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");   // ended by a plain kill, as the game is
    SDL_InitSubSystem(SDL_INIT_AUDIO);
    Mix_Init(MIX_INIT_OGG);
    Mix_OpenAudioDevice(44100, MIX_DEFAULT_FORMAT, 2, 512, nullptr, 0);
#endif
    return app.exec();
}
