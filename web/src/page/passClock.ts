// The page's clock for the run: the session says when its next pass is due, each animation frame runs the
// pass that is due (at most one) and then shows what changed, so the window is painted once per frame.

class PassClock {
  private dueAt: number | null = null; // performance.now() of the next pass

  constructor(
    private readonly runPass: () => PassPlan,
    private readonly show: () => void,
  ) {
    const frame = (): void => {
      this.runDuePass();
      this.show();
      requestAnimationFrame(frame);
    };
    requestAnimationFrame(frame);
  }

  plan(next: PassPlan): void {
    switch (next.due) {
      case 'unchanged':
        return;
      case 'soon':
        if (this.dueAt === null) this.dueAt = performance.now();
        return;
      case 'after':
        this.dueAt = performance.now() + next.milliseconds;
        return;
      case 'never':
        this.dueAt = null;
        return;
    }
  }

  private runDuePass(): void {
    if (this.dueAt === null || performance.now() < this.dueAt) return;
    this.dueAt = null;
    this.plan(this.runPass());
  }
}
