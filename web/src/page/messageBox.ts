// The window's message boxes ("Invalid data", an error) as a modal dialog in the page. While one is open
// the run computes no year, as on the desktop.

class MessageBox {
  private readonly dialog = document.createElement('dialog');
  private readonly title = document.createElement('h2');
  private readonly text = document.createElement('p');
  private readonly queue: Array<[string, string]> = [];

  constructor(parent: HTMLElement) {
    this.dialog.id = 'MessageBox';
    this.title.id = 'MessageTitle';
    this.text.id = 'MessageText';
    this.dialog.setAttribute('aria-labelledby', 'MessageTitle');
    const ok = document.createElement('button');
    ok.id = 'MessageOk';
    ok.type = 'button';
    ok.textContent = 'OK';
    ok.addEventListener('click', () => this.dialog.close());
    this.dialog.addEventListener('close', () => this.showNext());
    this.dialog.append(this.title, this.text, ok);
    parent.append(this.dialog);
  }

  get open(): boolean {
    return this.dialog.open;
  }

  show(title: string, text: string): void {
    this.queue.push([title, text]);
    if (!this.dialog.open) this.showNext();
  }

  private showNext(): void {
    const next = this.queue.shift();
    if (!next) return;
    [this.title.textContent, this.text.textContent] = next;
    this.dialog.showModal();
  }
}
