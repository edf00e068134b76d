// The desktop's alarm sound through Web Audio. The sound comes with the page's scripts (sound.js), so it
// plays from file:// too. Browsers let a page make sound only after the reader's first click or key.

declare const VARTEL_ALARM_WAV: string; // base64

class AlarmSound {
  private context: AudioContext | null = null;
  private sound: Promise<AudioBuffer> | null = null;

  // Called on the reader's first input.
  wake(): void {
    if (this.context || typeof AudioContext === 'undefined') return;
    this.context = new AudioContext();
    const bytes = Uint8Array.from(atob(VARTEL_ALARM_WAV), (c) => c.charCodeAt(0));
    this.sound = this.context.decodeAudioData(bytes.buffer);
  }

  play(): void {
    const context = this.context;
    if (!context || !this.sound) return;
    void this.sound.then((buffer) => {
      const source = context.createBufferSource();
      source.buffer = buffer;
      source.connect(context.destination);
      source.start();
    });
  }
}
