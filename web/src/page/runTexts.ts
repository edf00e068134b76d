// The run's texts in the window's language, as the desktop translates them: a text as a whole, or made
// from a message with "%1" in it and a value.

class RunTexts {
  constructor(private readonly texts: Record<string, Record<string, string>>) {}

  translated(context: string, english: string): string {
    const messages = this.texts[context] ?? {};
    const whole = messages[english];
    if (whole !== undefined) return whole;
    for (const [pattern, translation] of Object.entries(messages)) {
      const at = pattern.indexOf('%1');
      if (at < 0) continue;
      const before = pattern.slice(0, at);
      const after = pattern.slice(at + 2);
      if (english.length >= before.length + after.length && english.startsWith(before) && english.endsWith(after))
        return translation.replace('%1', english.slice(before.length, english.length - after.length));
    }
    return english;
  }
}
