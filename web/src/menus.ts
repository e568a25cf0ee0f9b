// Menus of the page: a button that opens a list of items, used with the mouse or the keyboard
// (arrows, Home, End, Enter, Space; Esc closes and gives the focus back to the button).

import { el } from './dom';

export interface MenuItem {
  label: string;
  shortcut?: string;
  checked?: () => boolean; // a radio item
  enabled?: () => boolean;
  action?: () => void;
  submenu?: MenuItem[];
  separatorBefore?: boolean;
  id?: string;
}

export class Menu {
  readonly button: HTMLButtonElement;
  readonly list: HTMLElement;
  private open = false;

  constructor(label: string, private readonly items: MenuItem[], id: string) {
    this.button = el('button', {
      class: 'menu-button',
      type: 'button',
      id: `${id}-button`,
      'aria-haspopup': 'menu',
      'aria-expanded': 'false',
      'aria-controls': `${id}-list`,
      text: label,
    });
    this.list = el('div', { class: 'menu-list', role: 'menu', id: `${id}-list`, hidden: true, 'aria-label': label });
    this.button.addEventListener('click', () => (this.open ? this.close(false) : this.show(false)));
    this.button.addEventListener('keydown', (event) => {
      if (event.key === 'ArrowDown') {
        event.preventDefault();
        this.show(true);
      }
    });
    this.list.addEventListener('keydown', (event) => this.onKey(event));
    document.addEventListener('pointerdown', (event) => {
      if (this.open && !this.list.contains(event.target as Node) && !this.button.contains(event.target as Node)) {
        this.close(false);
      }
    });
  }

  get isOpen(): boolean {
    return this.open;
  }

  // Opens at the button, or at a point of the page (a right click on the graph).
  show(focusFirst: boolean, at?: { x: number; y: number }): void {
    this.list.replaceChildren(...this.build(this.items));
    this.list.hidden = false;
    this.open = true;
    this.button.setAttribute('aria-expanded', 'true');
    if (at) {
      this.list.style.position = 'fixed';
      this.list.style.left = `${Math.max(0, Math.min(at.x, window.innerWidth - this.list.offsetWidth - 4))}px`;
      this.list.style.top = `${Math.max(0, Math.min(at.y, window.innerHeight - this.list.offsetHeight - 4))}px`;
      this.list.style.right = 'auto';
      this.list.style.bottom = 'auto';
    } else {
      for (const side of ['position', 'left', 'top', 'right', 'bottom'] as const) {
        this.list.style[side] = '';
      }
    }
    const first = this.entries()[0];
    if (focusFirst && first) {
      first.focus();
    } else {
      this.list.focus();
    }
  }

  close(focusButton: boolean): void {
    if (!this.open) {
      return;
    }
    this.open = false;
    this.list.hidden = true;
    this.button.setAttribute('aria-expanded', 'false');
    if (focusButton) {
      this.button.focus();
    }
  }

  private entries(): HTMLButtonElement[] {
    return [...this.list.querySelectorAll<HTMLButtonElement>('button:not([disabled])')];
  }

  private build(items: MenuItem[], depth = 0): HTMLElement[] {
    const built: HTMLElement[] = [];
    for (const item of items) {
      if (item.separatorBefore) {
        built.push(el('div', { role: 'separator', class: 'menu-separator' }));
      }
      if (item.submenu) {
        built.push(el('div', { class: 'menu-group-label', role: 'presentation', text: item.label }));
        built.push(...this.build(item.submenu, depth + 1));
        continue;
      }
      const radio = item.checked !== undefined;
      const button = el(
        'button',
        {
          type: 'button',
          class: `menu-item depth-${depth}`,
          role: radio ? 'menuitemradio' : 'menuitem',
          'aria-checked': radio ? String(item.checked!()) : undefined,
          disabled: item.enabled ? !item.enabled() : false,
          id: item.id,
          tabindex: '-1',
        },
        el('span', { class: 'menu-check', 'aria-hidden': 'true', text: radio && item.checked!() ? '●' : '' }),
        el('span', { class: 'menu-label', text: item.label }),
        item.shortcut ? el('span', { class: 'menu-shortcut', text: item.shortcut }) : null,
      );
      button.addEventListener('click', () => {
        this.close(true);
        item.action?.();
      });
      built.push(button);
    }
    return built;
  }

  private onKey(event: KeyboardEvent): void {
    const entries = this.entries();
    const index = entries.indexOf(document.activeElement as HTMLButtonElement);
    const move = (to: number) => entries[(to + entries.length) % entries.length]?.focus();
    switch (event.key) {
      case 'ArrowDown':
        move(index + 1);
        break;
      case 'ArrowUp':
        move(index < 0 ? entries.length - 1 : index - 1);
        break;
      case 'Home':
        move(0);
        break;
      case 'End':
        move(entries.length - 1);
        break;
      case 'Escape':
      case 'Tab':
        this.close(event.key === 'Escape');
        break;
      default:
        return;
    }
    if (event.key !== 'Tab') {
      event.preventDefault();
    }
    event.stopPropagation();
  }
}
